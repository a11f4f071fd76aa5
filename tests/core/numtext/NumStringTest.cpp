#include "numtext/NumString.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tapwright {
namespace {

struct IntegerCase {
    std::int32_t value;
    int radix;
    int width;
    const char* text;
};

class NumStringIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(NumStringIntegerTest, WritesRadixWidthAndUpperCase) {
    const IntegerCase& c = GetParam();
    const CNumString text(c.value, c.radix, c.width);
    EXPECT_EQ(text.Text(), c.text);
    EXPECT_EQ(text.Radix(), c.radix);
}

INSTANTIATE_TEST_SUITE_P(Table, NumStringIntegerTest,
                         testing::Values(IntegerCase{255, 16, 4, "00FF"},
                                         IntegerCase{7, 10, 3, "  7"},
                                         IntegerCase{-42, 10, 0, "-42"},
                                         IntegerCase{10000, 10, 0, "10000"},
                                         IntegerCase{-1, 16, 0, "FFFFFFFF"},
                                         IntegerCase{5, 2, 8, "00000101"},
                                         IntegerCase{123456, 10, 3, "123456"}));

struct DoubleCase {
    double value;
    int digits;
    Notation notation;
    const char* text;
};

class NumStringDoubleTest : public testing::TestWithParam<DoubleCase> {};

TEST_P(NumStringDoubleTest, PrintsDigitsAndEngineeringExponent) {
    const DoubleCase& c = GetParam();
    EXPECT_EQ(CNumString(c.value, c.digits, c.notation).Text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumStringDoubleTest,
    testing::Values(DoubleCase{1500.0, 3, Notation::Engineering, "1.500E3"},
                    DoubleCase{0.02, 3, Notation::Engineering, "20.000E-3"},
                    DoubleCase{0.0, 3, Notation::Engineering, "0.000"},
                    DoubleCase{1000.0, 2, Notation::Engineering, "1.00E3"},
                    DoubleCase{999.999, 2, Notation::Engineering, "1.00E3"},
                    DoubleCase{0.05, 1, Notation::Engineering, "50.0E-3"},
                    DoubleCase{0.0009, 1, Notation::Engineering, "0.9E-3"},
                    DoubleCase{-2.5e6, 1, Notation::Engineering, "-2.5E6"},
                    DoubleCase{0.1234, 3, Notation::Fixed, "0.123"},
                    DoubleCase{-120.0, 3, Notation::Fixed, "-120.000"}));

struct ExponentCase {
    double value;
    int exponent;
};

class EngineeringExponentTest : public testing::TestWithParam<ExponentCase> {};

TEST_P(EngineeringExponentTest, IsMultipleOfThreeBelowValue) {
    EXPECT_EQ(EngineeringExponent(GetParam().value), GetParam().exponent);
}

INSTANTIATE_TEST_SUITE_P(Table, EngineeringExponentTest,
                         testing::Values(ExponentCase{0.0, 0}, ExponentCase{1500.0, 3},
                                         ExponentCase{999.999, 3}, ExponentCase{0.5, 0},
                                         ExponentCase{0.02, -3}, ExponentCase{0.001, -3},
                                         ExponentCase{0.0009, -3}, ExponentCase{-48000.0, 3},
                                         ExponentCase{1.0e-7, -6}, ExponentCase{1.0, 0}));

TEST(NumStringTest, FormatConstructorUsesPrintfRules) {
    EXPECT_EQ(CNumString(1.5, "%12.6lf").Text(), "    1.500000");
    EXPECT_EQ(CNumString(-0.25, "%7.3lf").Text(), " -0.250");
}

TEST(NumStringTest, ToDoubleReadsEveryRadix) {
    EXPECT_DOUBLE_EQ(CNumString("  00FF", 16).ToDouble(), 255.0);
    EXPECT_DOUBLE_EQ(CNumString("ab", 16).ToDouble(), 171.0);
    EXPECT_DOUBLE_EQ(CNumString("0101", 2).ToDouble(), 5.0);
    EXPECT_DOUBLE_EQ(CNumString("  1.25").ToDouble(), 1.25);
    EXPECT_DOUBLE_EQ(CNumString("abc").ToDouble(), 0.0);
    EXPECT_DOUBLE_EQ(CNumString("").ToDouble(), 0.0);
}

TEST(NumStringTest, TextOfAValueReadsBackToTheValue) {
    EXPECT_DOUBLE_EQ(CNumString(-1.5e-3, 4, Notation::Engineering).ToDouble(), -1.5e-3);
    EXPECT_DOUBLE_EQ(CNumString(255, 16, 4).ToDouble(), 255.0);
    EXPECT_DOUBLE_EQ(CNumString(-7, 10, 5).ToDouble(), -7.0);
}

struct TrimCase {
    double value;
    const char* format;
    const char* trimmed;
};

class TrimZerosTest : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimZerosTest, KeepsOneDigitAfterThePoint) {
    CNumString text(GetParam().value, GetParam().format);
    EXPECT_EQ(text.TrimZeros().Text(), GetParam().trimmed);
}

INSTANTIATE_TEST_SUITE_P(Table, TrimZerosTest,
                         testing::Values(TrimCase{10.0, "%.3f", "10.0"},
                                         TrimCase{2.5, "%.3f", "2.5"},
                                         TrimCase{0.0, "%.3f", "0.0"},
                                         TrimCase{1.25, "%7.3lf", "  1.25"},
                                         TrimCase{100.0, "%.0f", "100"},
                                         TrimCase{0.125, "%.6f", "0.125"}));

TEST(PowerOfTenFloorTest, RoundsDownToADecade) {
    EXPECT_DOUBLE_EQ(PowerOfTenFloor(0.37), 0.1);
    EXPECT_DOUBLE_EQ(PowerOfTenFloor(250.0), 100.0);
    EXPECT_DOUBLE_EQ(PowerOfTenFloor(1.0), 1.0);
}

}  // namespace
}  // namespace tapwright
