// The texts the signal-processing core shows or draws, one table per
// language: English in dsp_texts.cpp, Japanese (Shift-JIS bytes) in
// dsp_texts_ja.cpp.
#pragma once

namespace lomvex {

struct DspTexts {
    const char* noMemory;      // box text when the frame arrays or scratch cannot be had
    const char* notPcm;        // 25 characters drawn in the graph area for unprocessable sound
    const char* pitchFormat;   // printf format of the pitch in semitones (a double)
    const char* pitchSpelled;  // spelled-out pitch (sign char, whole, tenths); null if none
};

const DspTexts& EnglishDspTexts();
const DspTexts& JapaneseDspTexts();

inline const DspTexts& DspTextsFor(bool japanese) {
    return japanese ? JapaneseDspTexts() : EnglishDspTexts();
}

}  // namespace lomvex
