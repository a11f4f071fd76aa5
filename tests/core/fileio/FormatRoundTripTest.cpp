#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "fileio/DataSetIO.h"
#include "fileio/FixedPoint.h"
#include "support/FakeUserInterface.h"
#include "core/fileio/FileioTestSupport.h"

namespace tapwright {
namespace {

using test::DataOf;
using test::FakeUserInterface;
using test::FormatOf;

// A format that can be written and read back, and how close the values come back.
struct RoundTrip {
    const char* name;
    FormatCode code;
    std::int32_t waveSizeIndex;
    double tolerance;  // 0: exactly, after rounding to the stored precision
};

class FormatRoundTripTest : public testing::TestWithParam<RoundTrip> {};

// Values inside every format's range, with digits beyond what the fixed-point formats keep.
const CLumenData kData = DataOf({0.5, -0.25, 0.123456789012, -0.999, 0.0, 0.7071067811865476},
                                {-1.0, 0.9921875, 1e-6, -0.333333333333, 0.25, 0.0});

double Stored(FormatCode code, double value) {
    return code == FormatCode::BinaryFloat ? static_cast<float>(value) : value;
}

TEST_P(FormatRoundTripTest, KeepsTheCoefficientsOfBothChannels) {
    FakeUserInterface ui;
    const RoundTrip& trip = GetParam();
    CDataFormat format = FormatOf(trip.code);
    format.SetWaveSizeIndex(trip.waveSizeIndex);
    const auto bytes = kData.WriteBytes(format, 0, 1);
    ASSERT_TRUE(bytes.has_value());

    CLumenData read;
    CDataFormat reader = FormatOf(trip.code);
    ASSERT_EQ(read.ReadBytes(reader, *bytes, "trip", 0, 1), 1);
    for (std::int32_t channel = 0; channel < 2; ++channel) {
        const CDataColumn& original = kData.GetColumn(channel);
        const CDataColumn& back = read.GetColumn(channel);
        ASSERT_EQ(back.GetNumPoints(), original.GetNumPoints()) << "channel " << channel;
        for (std::int32_t i = 0; i < original.GetNumPoints(); ++i) {
            const double expected = Stored(trip.code, original.GetAt(i));
            if (trip.tolerance == 0.0) {
                EXPECT_EQ(back.GetAt(i), expected) << "channel " << channel << " point " << i;
            } else {
                EXPECT_NEAR(back.GetAt(i), expected, trip.tolerance)
                    << "channel " << channel << " point " << i;
            }
        }
    }
}

TEST_P(FormatRoundTripTest, ReadsOneColumnOfAOneColumnFile) {
    FakeUserInterface ui;
    const RoundTrip& trip = GetParam();
    CDataFormat format = FormatOf(trip.code);
    format.SetWaveSizeIndex(trip.waveSizeIndex);
    const auto bytes = kData.WriteBytes(format, 1);
    ASSERT_TRUE(bytes.has_value());
    CLumenData read;
    CDataFormat reader = FormatOf(trip.code);
    ASSERT_EQ(read.ReadBytes(reader, *bytes, "trip", 0), 1);
    ASSERT_EQ(read.Inphase().GetNumPoints(), kData.Quadrature().GetNumPoints());
    EXPECT_NEAR(read.Inphase().GetAt(1), 0.9921875,
                trip.tolerance == 0.0 ? 0.0 : trip.tolerance);
}

constexpr double kDecimalTolerance = 0.5e-12;
// A word is trunc(32768 x + 0.5): within half a step above zero, but a negative value is
// truncated toward zero after the half is added, which moves it by up to one and a half steps.
constexpr double kWordTolerance = 1.5 / 32768.0;
// An 8-bit sample keeps the high byte of the offset word, a further step of 1/128 at most.
constexpr double kByteTolerance = 1.0 / 128.0 + kWordTolerance;

INSTANTIATE_TEST_SUITE_P(
    EveryReadableAndWritableFormat, FormatRoundTripTest,
    testing::Values(RoundTrip{"Decimal", FormatCode::TextDecimal, 0, kDecimalTolerance},
                    RoundTrip{"Plot", FormatCode::TextPlot, 0, kDecimalTolerance},
                    RoundTrip{"Fir", FormatCode::TextFir, 0, kDecimalTolerance},
                    RoundTrip{"Fract", FormatCode::TextFract, 0, kWordTolerance},
                    RoundTrip{"Hex", FormatCode::TextHex, 0, kWordTolerance},
                    RoundTrip{"BinaryText", FormatCode::TextBinary, 0, kWordTolerance},
                    RoundTrip{"AdiPm", FormatCode::AsmAdiPm, 0, kWordTolerance},
                    RoundTrip{"Float", FormatCode::BinaryFloat, 0, 0.0},
                    RoundTrip{"Double", FormatCode::BinaryDouble, 0, 0.0},
                    RoundTrip{"Wave8", FormatCode::BinaryWave, 0, kByteTolerance},
                    RoundTrip{"Wave16", FormatCode::BinaryWave, 1, kWordTolerance}),
    [](const testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });

TEST(FormatRoundTripTest, FixedPointValuesComeBackAsTheirWords) {
    FakeUserInterface ui;
    CDataFormat format = FormatOf(FormatCode::TextHex);
    const auto bytes = kData.WriteBytes(format, 0);
    CLumenData read;
    ASSERT_EQ(read.ReadBytes(format, bytes.value_or(""), "hex", 0), 1);
    for (std::int32_t i = 0; i < kData.Inphase().GetNumPoints(); ++i) {
        EXPECT_EQ(read.Inphase().GetAt(i), ToFixedWord(kData.Inphase().GetAt(i)) / 32768.0);
    }
}

}  // namespace
}  // namespace tapwright
