// Results of the MPEG and Ogg header parsers, as the file reader sees them.
#pragma once

namespace lomvex {

enum HeaderResult : int {
    kHeaderParsed = 0,         // format record built
    kHeaderNoMemory = 1,       // the record could not be had; already reported
    kHeaderNotRecognised = 2,  // not this kind of data, or a read fell short
    kHeaderOtherCodec = 3,     // an Ogg file whose first stream is not Vorbis
};

}  // namespace lomvex
