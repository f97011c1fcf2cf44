# 64-bit Windows: the same program for machines that run no 32-bit x86 code,
# where the tests run it under 64-bit Wine.
set(MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
