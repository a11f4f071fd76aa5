#include "design/LumenData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/Archive.h"

namespace tapwright {
namespace {

// N points of the given values in both channels.
void FillChannels(CLumenData& data, const std::vector<double>& inphase,
                  const std::vector<double>& quadrature) {
    for (double value : inphase) {
        data.Inphase().Add(value);
    }
    for (double value : quadrature) {
        data.Quadrature().Add(value);
    }
}

CLumenData ComplexSpectrum(int points, double sampleRate) {
    CLumenData data;
    FillChannels(data, std::vector<double>(static_cast<std::size_t>(points), 1.0),
                 std::vector<double>(static_cast<std::size_t>(points), 1.0));
    data.SetTimeData(false);
    data.SetReal(false);
    data.UpdateRange();
    data.SetFrequencyUnits(CFreqUnits(sampleRate, 0));
    return data;
}

TEST(LumenDataTest, NewDataIsTwoEmptyRealChannelsInTimeAtOneHertz) {
    const CLumenData data;
    EXPECT_EQ(data.GetNumColumns(), 2);
    EXPECT_TRUE(data.IsTimeData());
    EXPECT_TRUE(data.IsReal());
    EXPECT_EQ(data.GetSampleRate(), 1.0);
    EXPECT_EQ(data.GetNyquist(), 0.5);
    EXPECT_EQ(data.GetStep(), 1.0);
    EXPECT_EQ(data.GetWindowType(), -1);
    EXPECT_EQ(data.GetMinRangePoints(), 4);
    EXPECT_EQ(data.GetMinDb(), -110.0f);
    EXPECT_EQ(data.GetDbLabel(), "dB");
    EXPECT_EQ(data.FormatSampleRate(), "1.0 Hz");
    EXPECT_EQ(data.GetMaxPoints(), 2147483647);
}

TEST(LumenDataTest, ChannelsSurviveTheColumnsBeingRemoved) {
    CLumenData data;
    data.RemoveAll();
    const CLumenData& view = data;
    EXPECT_EQ(view.Quadrature().GetNumPoints(), 0);
    data.Quadrature().Add(1.0);
    EXPECT_EQ(data.GetNumColumns(), 2);
    EXPECT_EQ(data.GetColumn(1).GetAt(0), 1.0);
}

TEST(LumenDataTest, RangeCoversTimeDataAndTheHalvesOfASpectrum) {
    CLumenData data;
    FillChannels(data, std::vector<double>(8, 0.0), {});
    data.UpdateRange();
    EXPECT_EQ(data.GetRangeFirst(), 0);
    EXPECT_EQ(data.GetRangeLast(), 7);

    data.SetTimeData(false);
    data.UpdateRange();
    EXPECT_EQ(data.GetRangeFirst(), 0);
    EXPECT_EQ(data.GetRangeLast(), 3);

    const CLumenData complex = ComplexSpectrum(8, 2.0);
    EXPECT_EQ(complex.GetRangeFirst(), -4);
    EXPECT_EQ(complex.GetRangeLast(), 3);
    EXPECT_EQ(complex.GetHalfPoints(), 4);
    EXPECT_EQ(complex.GetStep(), 0.25);

    CLumenData empty;
    empty.UpdateRange();
    EXPECT_EQ(empty.GetRangeFirst(), 0);
    EXPECT_EQ(empty.GetRangeLast(), 0);
}

TEST(LumenDataTest, TwoSidedSpectrumMapsUpperIndexesToNegativeFrequencies) {
    const CLumenData data = ComplexSpectrum(8, 2.0);
    const double step = data.GetStep();
    EXPECT_DOUBLE_EQ(data.IndexToAxis(6), -2 * step);
    EXPECT_DOUBLE_EQ(data.IndexToAxis(4), 4 * step);
    EXPECT_DOUBLE_EQ(data.IndexToAxis(-3), -3 * step);
    EXPECT_EQ(data.AxisToIndex(-2 * step), -2);
    EXPECT_EQ(data.AxisToIndex(1.5 * step), 2);
    EXPECT_EQ(data.AxisToIndex(-1.5 * step), -2);
    EXPECT_EQ(data.AxisToIndex(100.0), 3);
    EXPECT_EQ(data.AxisToIndex(-100.0), -4);
    const AxisRange axis = data.GetRangeAxis();
    EXPECT_DOUBLE_EQ(axis.first, -4 * step);
    EXPECT_DOUBLE_EQ(axis.last, 3 * step);
}

TEST(LumenDataTest, TimeAxisClampsToTheData) {
    CLumenData data;
    FillChannels(data, std::vector<double>(5, 0.0), {});
    data.UpdateRange();
    data.SetFrequencyUnits(CFreqUnits(2.0, 0));
    EXPECT_DOUBLE_EQ(data.IndexToAxis(3), 1.5);
    EXPECT_EQ(data.AxisToIndex(10.0), 4);
    EXPECT_EQ(data.AxisToIndex(-1.0), 0);
    EXPECT_EQ(data.AxisToIndex(0.74), 1);
    data.SetMinRangePoints(2);
    EXPECT_TRUE(data.SetRangeAxis(0.5, 10.0, true, false));
    EXPECT_EQ(data.GetRangeFirst(), 1);
    EXPECT_EQ(data.GetRangeLast(), 4);
}

TEST(LumenDataTest, EmptySpectrumMapsAxisValuesWithoutDividingByZero) {
    CLumenData data;
    data.SetTimeData(false);
    data.UpdateRange();
    data.SetFrequencyUnits(CFreqUnits(1.0, 0));
    EXPECT_EQ(data.GetStep(), 0.0);
    EXPECT_EQ(data.AxisToIndex(0.25), -1);
}

struct RangeCase {
    int points;
    bool real;
    std::int32_t first;
    std::int32_t last;
    bool strict;
    bool forbidNegative;
    bool accepted;
    std::int32_t rangeFirst;  // the range afterwards
    std::int32_t rangeLast;
};

class LumenDataRangeTest : public testing::TestWithParam<RangeCase> {};

TEST_P(LumenDataRangeTest, SetRangeAppliesItsRulesInOrder) {
    const RangeCase& c = GetParam();
    CLumenData data;
    const std::vector<double> values(static_cast<std::size_t>(c.points), 1.0);
    FillChannels(data, values, c.real ? std::vector<double>() : values);
    data.SetReal(c.real);
    data.UpdateRange();
    EXPECT_EQ(data.SetRange(c.first, c.last, c.strict, c.forbidNegative), c.accepted);
    EXPECT_EQ(data.GetRangeFirst(), c.rangeFirst);
    EXPECT_EQ(data.GetRangeLast(), c.rangeLast);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, LumenDataRangeTest,
    testing::Values(RangeCase{10, true, 2, 4, true, false, false, 0, 9},  // span 2 <= 4
                    RangeCase{10, true, 0, 4, true, false, false, 0, 9},  // span 4 <= 4
                    RangeCase{10, true, 0, 5, true, false, true, 0, 5},
                    RangeCase{3, true, 1, 2, true, false, true, 0, 2},       // short data whole
                    RangeCase{10, true, -1, 8, false, false, false, 0, 9},   // negative, real
                    RangeCase{10, false, -1, 8, false, true, false, 0, 9},   // forbidden
                    RangeCase{10, false, -3, -1, true, false, true, -3, 9},  // last + N
                    RangeCase{10, true, 2, -1, false, false, false, 0, 9},
                    RangeCase{10, true, 8, 6, true, false, false, 0, 9},  // reversed
                    RangeCase{10, true, 8, 6, false, false, true, 0, 6},
                    RangeCase{10, true, 0, 10, true, false, false, 0, 9},  // too long
                    RangeCase{10, true, 3, 12, false, false, true, 3, 9}));

TEST(LumenDataTest, DbOfZeroPowerUsesTheSmallestMagnitude) {
    CLumenData data;
    const double smallest = 10.0 * std::log10(static_cast<double>(1e-40f));
    EXPECT_NEAR(smallest, -400.00002, 1e-5);
    EXPECT_EQ(data.ToDb(0.0, false), smallest);
    EXPECT_EQ(data.ToDb(0.0, true), -110.0);
    EXPECT_DOUBLE_EQ(data.ToDb(100.0, true), 20.0);
    data.SetDbOffset(3.0);
    EXPECT_EQ(data.ToDb(0.0, false), smallest + 3.0);
    EXPECT_DOUBLE_EQ(data.ToDb(1.0, true), 3.0);
}

TEST(LumenDataTest, RangeMinMaxReadsNegativeIndexesFromTheUpperHalf) {
    CLumenData data;
    FillChannels(data, {10, 11, 12, 13, 14, 15, 16, 17}, {0, 1, 0, 0, 0, 0, -1, 0});
    data.SetTimeData(false);
    data.SetReal(false);
    data.UpdateRange();
    data.SetMinRangePoints(1);
    ASSERT_TRUE(data.SetRange(-2, 1, true, false));  // reads indexes 6, 7, 0, 1

    const ValueRange inphase = data.GetRangeMinMax(RangeQuantity::Inphase);
    EXPECT_EQ(inphase.min, 10.0);
    EXPECT_EQ(inphase.max, 17.0);
    const ValueRange quadrature = data.GetRangeMinMax(RangeQuantity::Quadrature);
    EXPECT_EQ(quadrature.min, -1.0);
    EXPECT_EQ(quadrature.max, 1.0);
    const ValueRange power = data.GetRangeMinMax(RangeQuantity::Power);
    EXPECT_EQ(power.min, 100.0);
    EXPECT_EQ(power.max, 17.0 * 17.0);
}

TEST(LumenDataTest, PhaseIsInDegreesAndZeroWhereBothPartsAreZero) {
    CLumenData data;
    FillChannels(data, {0, 0, -1, 1, 0}, {0, 1, 0, 1, 0});
    data.SetReal(false);
    data.UpdateRange();
    const ValueRange phase = data.GetRangeMinMax(RangeQuantity::Phase);
    EXPECT_EQ(phase.min, 0.0);
    EXPECT_DOUBLE_EQ(phase.max, 180.0);
}

TEST(LumenDataTest, EqualizeChannelsPadsTheShorterChannelAndRecordsRealData) {
    CLumenData data;
    FillChannels(data, {1, 2, 3}, {});
    EXPECT_TRUE(data.EqualizeChannels(0.0));
    EXPECT_EQ(data.Quadrature().GetNumPoints(), 3);
    EXPECT_EQ(data.GetRangeLast(), 2);

    FillChannels(data, {}, {5, 6});
    EXPECT_FALSE(data.EqualizeChannels(-1.0));
    EXPECT_EQ(data.Inphase().GetNumPoints(), 5);
    EXPECT_EQ(data.Inphase().GetAt(4), -1.0);
    EXPECT_EQ(data.GetRangeNumPoints(), 5);
}

TEST(LumenDataTest, UnitsFollowTheAxisAndTheSampleRateIsTrimmed) {
    CLumenData data;
    data.SetFrequencyUnits(CFreqUnits(44.1, 1));
    EXPECT_EQ(data.FormatSampleRate(), "44.1 kHz");
    EXPECT_DOUBLE_EQ(data.GetNyquist(), 22.05);
    EXPECT_DOUBLE_EQ(data.GetStep(), 1.0 / 44.1);
    EXPECT_EQ(data.AxisUnit(), "ms");
    EXPECT_EQ(data.AxisUnitLabel(-3).unit, "us");
    data.SetTimeData(false);
    EXPECT_EQ(data.AxisUnit(), "kHz");
    EXPECT_EQ(data.AxisUnitLabel(3).unit, "MHz");
}

TEST(LumenDataTest, SignalFieldsAreStoredInOrderAndReadBack) {
    CLumenData data;
    data.SetFrequencyUnits(CFreqUnits(2.5, 1));
    ArchiveWriter writer;
    data.SerializeLumenFields(writer);
    const std::vector<std::uint8_t>& bytes = writer.Bytes();
    ASSERT_EQ(bytes.size(), 4 + 4 + 3 * 8 + 2 + 4 * 4 + 1 + 6);
    EXPECT_EQ(bytes[0], 1);      // time data
    EXPECT_EQ(bytes[32], 0xFF);  // no window: -1 in 16 bits
    EXPECT_EQ(bytes[33], 0xFF);
    EXPECT_EQ(std::string(bytes.end() - 6, bytes.end()), "kHz,ms");

    CLumenData loaded;
    loaded.SetWindowType(2);
    ArchiveReader reader(bytes);
    loaded.SerializeLumenFields(reader);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(loaded.GetWindowType(), -1);
    EXPECT_EQ(loaded.GetSampleRate(), 2.5);
    EXPECT_EQ(loaded.GetFrequencyUnits().GetSampleRate(), 2.5);
    EXPECT_EQ(loaded.GetFrequencyUnits().GetUnitIndex(), 1);
    EXPECT_EQ(loaded.GetStep(), 0.4);
}

// A record whose range runs far past the samples, and whose units name no unit.
std::vector<std::uint8_t> DamagedSignalFields() {
    ArchiveWriter writer;
    writer.WriteI32(1);
    writer.WriteI32(1);
    writer.WriteF64(1.0);
    writer.WriteF64(0.5);
    writer.WriteF64(1.0);
    writer.WriteI16(-1);
    writer.WriteI32(-5);
    writer.WriteI32(2000000000);
    writer.WriteI32(3);
    writer.WriteI32(1);
    writer.WriteText("furlongs");
    return writer.TakeBytes();
}

TEST(LumenDataTest, DamagedFieldsReadSafely) {
    CLumenData data;
    FillChannels(data, {1, -2, 3}, {});
    data.SetFrequencyUnits(CFreqUnits(1.0, 2));
    const std::vector<std::uint8_t> bytes = DamagedSignalFields();
    ArchiveReader reader(bytes);
    data.SerializeLumenFields(reader);
    EXPECT_EQ(data.GetFrequencyUnits().GetUnitIndex(), 0);
    const ValueRange range = data.GetRangeMinMax(RangeQuantity::Inphase);
    EXPECT_EQ(range.min, -2.0);
    EXPECT_EQ(range.max, 3.0);
}

TEST(LumenDataTest, TruncatedFieldsChangeNothing) {
    std::vector<std::uint8_t> bytes = DamagedSignalFields();
    bytes.pop_back();
    CLumenData data;
    data.SetFrequencyUnits(CFreqUnits(3.0, 2));
    ArchiveReader reader(bytes);
    EXPECT_THROW(data.SerializeLumenFields(reader), ArchiveError);
    EXPECT_EQ(data.GetRangeFirst(), 0);
    EXPECT_EQ(data.GetSampleRate(), 3.0);
    EXPECT_EQ(data.GetFrequencyUnits().GetUnitIndex(), 2);
}

}  // namespace
}  // namespace tapwright
