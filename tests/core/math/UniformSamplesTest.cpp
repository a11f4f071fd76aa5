#include "math/UniformSamples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tapwright {
namespace {

// A stencil worked out once must read any set of samples of its size as At does: between
// samples, on a sample, and at both ends where the stencil is shifted inwards.
TEST(UniformSamplesTest, AStencilReadsEverySetOfSamplesAsAtDoes) {
    const int intervals = 64;
    std::vector<double> first(intervals + 1);
    std::vector<double> second(intervals + 1);
    for (int m = 0; m <= intervals; ++m) {
        const double f = 0.5 * m / intervals;
        first[static_cast<std::size_t>(m)] = std::cos(2.0 * 3.141592653589793 * 5.0 * f);
        second[static_cast<std::size_t>(m)] = 3.0 - 2.0 * f * f;
    }
    const UniformSamples a(first);
    const UniformSamples b(second);
    for (const double f : {0.0, 0.001, 0.1, 0.5 * 17 / intervals, 0.2371, 0.4999, 0.5}) {
        const UniformSamples::Stencil stencil = a.StencilAt(f);
        EXPECT_NEAR(a.At(stencil), a.At(f), 1e-14) << f;
        EXPECT_NEAR(b.At(stencil), b.At(f), 1e-14) << f;
    }
    EXPECT_EQ(b.At(b.StencilAt(0.5 * 17 / intervals)), second[17]);
}

}  // namespace
}  // namespace tapwright
