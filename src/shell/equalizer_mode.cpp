// The equalizer panel rules. With a short transform (fftparam < 12) one band
// spans a pair of bars, so only the even bars show, at double width; the
// lowest bands do not exist at the shortest transforms, so bar 0 works only
// from fftparam 10 and bar 2 from 9, and their labels show from 10.
#include "shell/equalizer_mode.h"

namespace lomvex {

EqualizerModeView DecideEqualizerMode(int fftmode, int fftparam) {
    const bool graphic = fftmode == kFftModeGraphic;
    const bool twentyBands = fftparam >= 12;

    EqualizerModeView view;
    for (int j = 0; j < kBarCount; ++j) {
        BarView& bar = view.bars[j];
        if (j % 2 == 0) {
            bar.shown = bar.labelShown = graphic;
            bar.width = twentyBands ? 12 : 24;
        } else {
            bar.shown = bar.labelShown = graphic && twentyBands;
        }
    }
    if (graphic) {
        view.bars[0].enabled = fftparam > 9;
        view.bars[0].labelShown = fftparam > 9;
        view.bars[2].enabled = fftparam > 8;
        view.bars[2].labelShown = fftparam > 9;
    }
    view.resetShown = graphic;
    view.presetsShown = fftmode == kFftModeEasy;
    view.fieldsShown = fftmode == kFftModeParametric;
    return view;
}

}  // namespace lomvex
