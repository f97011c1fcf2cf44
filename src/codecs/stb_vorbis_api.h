// The declarations of the stb_vorbis decoder, without its implementation
// (which the lomvex_stb_vorbis library holds), for memory input only.
#pragma once

#define STB_VORBIS_NO_STDIO 1
#define STB_VORBIS_HEADER_ONLY 1
#include <stb_vorbis.h>
#undef STB_VORBIS_HEADER_ONLY
