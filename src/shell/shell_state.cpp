// The one instance of the shell state.
#include "shell/shell_state.h"

namespace lomvex {

ShellState shell;

}  // namespace lomvex
