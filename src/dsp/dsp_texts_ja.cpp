// Japanese texts of the signal-processing core. Written in UTF-8 and compiled
// to Shift-JIS (code page 932) bytes.
#include "dsp/dsp_texts.h"

namespace lomvex {

const DspTexts& JapaneseDspTexts() {
    static const DspTexts texts = {
        "メモリ不足",
        "  PCMでないため処理不能  ",
        "%+5.1f半音",
        "%c%1d点%1d半音",
    };
    return texts;
}

}  // namespace lomvex
