#include "data/FreqUnits.h"

#include <gtest/gtest.h>

namespace tapwright {
namespace {

TEST(FreqUnitsTest, TextFormJoinsTheUnitsOfARow) {
    EXPECT_EQ(CFreqUnits::UnitsText(0), "Hz,sec");
    EXPECT_EQ(CFreqUnits::UnitsText(1), "kHz,ms");
    EXPECT_EQ(CFreqUnits::UnitsText(2), "MHz,us");
    EXPECT_EQ(CFreqUnits::UnitsText(3), "GHz,ns");
    EXPECT_EQ(CFreqUnits(8.0, 2).GetText(), "MHz,us");
}

TEST(FreqUnitsTest, ReadingTheTextMatchesTheFrequencyUnitIgnoringCase) {
    CFreqUnits units(1.0, 3);
    EXPECT_TRUE(units.SetText("khz,whatever"));
    EXPECT_EQ(units.GetUnitIndex(), 1);
    EXPECT_TRUE(units.SetText("GHZ"));
    EXPECT_EQ(units.GetUnitIndex(), 3);
    EXPECT_FALSE(units.SetText("Hz ,sec"));
    EXPECT_EQ(units.GetUnitIndex(), 0);
    units.SetUnitIndex(2);
    EXPECT_FALSE(units.SetText(""));
    EXPECT_EQ(units.GetUnitIndex(), 0);
}

struct LabelCase {
    std::int32_t row;
    bool frequency;
    int exponent;
    const char* unit;
    int left;
};

class FreqUnitsLabelTest : public testing::TestWithParam<LabelCase> {};

TEST_P(FreqUnitsLabelTest, ExponentMovesTheRowUntilTheTableEnds) {
    const LabelCase& c = GetParam();
    const CFreqUnits units(1.0, c.row);
    const UnitLabel label =
        c.frequency ? units.FrequencyLabel(c.exponent) : units.TimeLabel(c.exponent);
    EXPECT_EQ(label.unit, c.unit);
    EXPECT_EQ(label.exponent, c.left);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FreqUnitsLabelTest,
    testing::Values(LabelCase{0, true, 3, "kHz", 0}, LabelCase{0, true, 12, "GHz", 3},
                    LabelCase{0, true, -3, "Hz", -3}, LabelCase{2, true, -3, "kHz", 0},
                    LabelCase{0, false, -6, "us", 0}, LabelCase{0, false, 3, "sec", 3},
                    LabelCase{2, false, 3, "ms", 0}, LabelCase{1, false, -12, "ns", -6},
                    LabelCase{1, true, 0, "kHz", 0}));

}  // namespace
}  // namespace tapwright
