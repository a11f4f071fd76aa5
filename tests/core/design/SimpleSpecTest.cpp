#include "design/SimpleSpec.h"

#include <gtest/gtest.h>

#include "design/FirData.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

class SimpleSpecTest : public testing::Test {
protected:
    SimpleSpecTest() { filter.SetFrequencyUnits(CFreqUnits(8000.0, 0)); }

    static SimpleSpec Bandpass() {
        SimpleSpec spec;
        spec.kind = SimpleFilterKind::Bandpass;
        spec.edge1 = 400.0;  // passband width
        spec.edge2 = 800.0;  // stopband width
        spec.center = 1000.0;
        spec.rippleDb = 0.5f;
        spec.attenuationDb = 40.0f;
        return spec;
    }

    test::FakeUserInterface ui;
    CFirData filter;
};

TEST_F(SimpleSpecTest, BandpassBecomesThreeBandsAroundItsCentreInCyclesPerSample) {
    const SimpleSpec spec = Bandpass();
    ASSERT_EQ(spec.FirstRefusal(8000.0), nullptr);
    ASSERT_TRUE(spec.Apply(filter, 41));
    EXPECT_EQ(filter.GetNumTaps(), 41);
    ASSERT_EQ(filter.GetNumBands(), 3);
    EXPECT_DOUBLE_EQ(filter.GetUpperEdge(0), 600.0 / 8000.0);
    EXPECT_DOUBLE_EQ(filter.GetLowerEdge(1), 800.0 / 8000.0);
    EXPECT_DOUBLE_EQ(filter.GetUpperEdge(1), 1200.0 / 8000.0);
    EXPECT_DOUBLE_EQ(filter.GetLowerEdge(2), 1400.0 / 8000.0);
    EXPECT_DOUBLE_EQ(filter.GetUpperEdge(2), 0.5);
    EXPECT_FALSE(filter.IsPassband(0));
    EXPECT_TRUE(filter.IsPassband(1));
    EXPECT_FALSE(filter.IsPassband(2));
    EXPECT_NEAR(filter.GetAttnRippleDisplay(1, true), 0.5, 1e-6);
    EXPECT_NEAR(filter.GetAttnRippleDisplay(2, true), 40.0, 1e-6);
}

TEST_F(SimpleSpecTest, OnlyRangeRefusalsPointAtTheSamplingFrequency) {
    SimpleSpec spec = Bandpass();
    spec.center = 3900.0;
    const char* above = spec.FirstRefusal(8000.0);
    EXPECT_STREQ(above, SimpleSpec::kAboveHalfFsMessage);
    EXPECT_TRUE(SimpleSpec::IsBeyondFs(above));
    spec.center = 100.0;
    const char* below = spec.FirstRefusal(8000.0);
    EXPECT_STREQ(below, SimpleSpec::kBelowZeroMessage);
    EXPECT_FALSE(SimpleSpec::IsBeyondFs(below));
}

}  // namespace
}  // namespace tapwright
