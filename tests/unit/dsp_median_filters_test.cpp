// The median filters give exactly what sorting gives, at every window
// position, with repeated values and at the edges, and stay in bounds on NaN.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "dsp/median_filters.h"

namespace lomvex {
namespace {

double SortedMiddle(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Values from a few levels, so that many are equal, or spread out.
std::vector<double> RandomValues(std::mt19937& random, int count, bool fewLevels) {
    std::uniform_int_distribution<int> level(0, 3);
    std::uniform_real_distribution<double> spread(-1e3, 1e3);
    std::vector<double> values(count);
    for (double& v : values) v = fewLevels ? level(random) : spread(random);
    return values;
}

TEST(MedianFilters, RunningMedianIsTheSortedMiddleOfEveryWindow) {
    std::mt19937 random(7);
    for (int count = 1; count <= 40; ++count) {
        for (int reach = 0; reach <= 9; ++reach) {
            for (bool fewLevels : {true, false}) {
                const std::vector<double> in = RandomValues(random, count, fewLevels);
                std::vector<double> out(count), window(2 * reach + 1);
                RunningMedian(in.data(), count, reach, window.data(), out.data());
                for (int k = 0; k < count; ++k) {
                    const int from = std::max(0, k - reach), to = std::min(count - 1, k + reach);
                    ASSERT_EQ(out[k], SortedMiddle({in.begin() + from, in.begin() + to + 1}))
                        << "count " << count << " reach " << reach << " bin " << k;
                }
            }
        }
    }
}

TEST(MedianFilters, MedianOfNineRowsIsTheSortedMiddleOfEachColumn) {
    std::mt19937 random(11);
    for (bool fewLevels : {true, false}) {
        const int stride = 37, count = 33;
        const std::vector<double> rows = RandomValues(random, kMedianRows * stride, fewLevels);
        std::vector<double> out(count);
        MedianOfNineRows(rows.data(), stride, count, out.data());
        for (int k = 0; k < count; ++k) {
            std::vector<double> column;
            for (int r = 0; r < kMedianRows; ++r) column.push_back(rows[r * stride + k]);
            ASSERT_EQ(out[k], SortedMiddle(column)) << "column " << k;
        }
    }
}

TEST(MedianFilters, NanInTheWindowKeepsEveryOutputWritten) {
    std::vector<double> in = {1, NAN, 3, NAN, NAN, 2, 5, NAN, 4, 0, NAN, 6};
    const int count = static_cast<int>(in.size()), reach = 3;
    std::vector<double> out(count, -7.0), window(2 * reach + 1);
    RunningMedian(in.data(), count, reach, window.data(), out.data());
    for (double v : out) EXPECT_NE(v, -7.0);
}

}  // namespace
}  // namespace lomvex
