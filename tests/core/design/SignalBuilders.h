#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "design/LumenData.h"

namespace tapwright::test {

// Puts the samples into the channels of a time signal, marks it real or complex and derives
// its visible range (all of it).
inline void SetChannels(CLumenData& data, const std::vector<double>& inphase,
                        const std::vector<double>& quadrature, bool isReal) {
    data.Inphase().RemoveAll();
    data.Quadrature().RemoveAll();
    for (const double value : inphase) {
        data.Inphase().Add(value);
    }
    for (const double value : quadrature) {
        data.Quadrature().Add(value);
    }
    data.SetReal(isReal);
    data.UpdateRange();
}

inline std::vector<double> Samples(const CDataColumn& channel) {
    std::vector<double> samples;
    for (std::int32_t i = 0; i < channel.GetNumPoints(); ++i) {
        samples.push_back(channel.GetAt(i));
    }
    return samples;
}

// Element by element within tolerance; the sizes must agree.
inline void ExpectSamplesNear(const CDataColumn& channel, const std::vector<double>& expected,
                              double tolerance = 1e-15) {
    const std::vector<double> actual = Samples(channel);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "sample " << i;
    }
}

}  // namespace tapwright::test
