// The pitch of the lead voice in a frame's centred harmonic spectrum, and
// the bins of its harmonics.
//
// Salience of a candidate f0: the mean compressed magnitude at its first
// eight harmonics h*f0 minus the mean at the points a half and a third of
// f0 in between. Only the first eight count: a spoken or sung voice glides
// within a frame, its upper harmonics smear across many bins, and counting
// them would drown the lower ones that still stand out. A true f0 has its harmonics on the first set and nothing on the
// second; its octave below hits only every other harmonic (half the mean),
// its octave or twelfth above finds harmonics in between too. This keeps a
// centred bass, whose partials lie an octave or more below the voice's
// range, from being taken for the voice.
#pragma once

namespace lomvex {

constexpr double kVoiceLowestHz = 110.0;
constexpr double kVoiceHighestHz = 1000.0;

// The f0 in Hz of the strongest harmonic series in `magnitude` (bins
// 0 .. bins-1, `binHz` apart), or 0 when none stands out. `compressed` is
// scratch of `bins` doubles.
double TrackVoicePitch(const double* magnitude, int bins, double binHz, double* compressed);

// Sets comb[k] to 1 on the peaks of the harmonics of f0 below `topHz` (each
// searched near h*f0, and the bins either side of it), 0 elsewhere.
void MarkHarmonics(const double* magnitude, int bins, double binHz, double f0, double topHz,
                   double* comb);

}  // namespace lomvex
