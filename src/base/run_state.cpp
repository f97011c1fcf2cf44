// The one instance of the run state.
#include "base/run_state.h"

namespace lomvex {

RunState run;

}  // namespace lomvex
