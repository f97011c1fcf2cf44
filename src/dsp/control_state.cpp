// The one instance of the control panel's parameters.
#include "dsp/control_state.h"

namespace lomvex {

ControlState controlState;

}  // namespace lomvex
