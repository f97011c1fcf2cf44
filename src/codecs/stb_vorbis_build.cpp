// Compiles the stb_vorbis decoder (Debian's libstb-dev) once, into a library
// of its own: the header holds the implementation unless told otherwise.
// Memory input only, so the decoder needs no C stdio.
#define STB_VORBIS_NO_STDIO 1
#include <stb_vorbis.h>
