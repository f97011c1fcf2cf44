// The one instance of the program state.
#include "base/program_state.h"

namespace lomvex {

ProgramState program;

}  // namespace lomvex
