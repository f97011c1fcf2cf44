// The engine's host.
#include "engine/win32/engine_host.h"

namespace lomvex {
namespace {

EngineHost* host = nullptr;

}  // namespace

void SetEngineHost(EngineHost* newHost) { host = newHost; }

EngineHost& Host() { return *host; }

}  // namespace lomvex
