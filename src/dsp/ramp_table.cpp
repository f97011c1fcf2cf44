// The process-wide ramp table, recomputed only when a new length is needed.
#include "dsp/ramp_table.h"

#include <cmath>

namespace lomvex {
namespace {

constexpr double kPi = 3.14159265358979323846;

double rampTable[kRampTableSize];
int rampLength = 0;

}  // namespace

void MakeRampTable(int length) {
    if (length < 0) length = 0;
    if (length > kRampTableSize) length = kRampTableSize;
    if (length == rampLength) return;
    for (int i = 0; i < length; ++i) {
        rampTable[i] = 0.5 - 0.5 * std::cos(kPi * i / length);
    }
    rampLength = length;
}

int RampTableLength() {
    return rampLength;
}

const double* RampTable() {
    return rampTable;
}

const double* RampFor(int length) {
    if (length != rampLength) MakeRampTable(length);
    return rampTable;
}

}  // namespace lomvex
