// The format tag of PCM sound: the one format tag every subsystem knows.
#pragma once

#include <cstdint>

namespace lomvex {

constexpr uint16_t kTagPcm = 1;

}  // namespace lomvex
