# 32-bit Windows: the program as it ships. Floating point in SSE2 registers
# rather than on the x87 stack: every PC that runs a Windows the program
# supports has SSE2, it is faster, and doubles are rounded at every step as
# in the 64-bit build instead of being kept at x87 extended precision.
set(MINGW_PROCESSOR i686)
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
