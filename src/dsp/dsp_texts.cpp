// English texts of the signal-processing core.
#include "dsp/dsp_texts.h"

namespace lomvex {

const DspTexts& EnglishDspTexts() {
    static const DspTexts texts = {
        "nomem",
        " Can't process, Not PCM  ",
        "%+5.1f",
        nullptr,
    };
    return texts;
}

}  // namespace lomvex
