#include "design/FirData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/Archive.h"
#include "support/DesignFlow.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

constexpr const char* kOverlapping = "Error: Overlapping or intersecting bands.";
constexpr const char* kTooManyBands = "Error: Maximum number of bands exceeded.";
constexpr const char* kEvenAtNyquist =
    "Error: Linear-phase FIR cannot have passband at Fs/2 with EVEN Number of Taps.\n"
    "(Increase or decrease Number of Taps by 1).";

// A linear band with weight 1.
bool AddLinear(CFirData& filter, double lower, double upper, double gain) {
    return filter.AddBand(lower, upper, gain, 1.0, false, false, false);
}

// Stopband to 0.2, passband from 0.3 up to Fs/2.
CFirData Highpass(std::int32_t taps) {
    CFirData filter;
    filter.SetSpecification(ResponseType::Filter, taps, 16);
    AddLinear(filter, 0.0, 0.2, 0.0);
    AddLinear(filter, 0.3, 0.5, 1.0);
    return filter;
}

TEST(FirDataTest, NewFilterTakesTheEditorDefaultsFromThePreferences) {
    CPreferences preferences;
    preferences.m_nEditorGridDensity = 8;
    preferences.m_bEditorAttnInDb = false;
    preferences.m_bEditorGainInDb = true;
    const CFirData filter(preferences);
    EXPECT_EQ(filter.GetGridDensity(), 8);
    EXPECT_FALSE(filter.IsAttnInDb());
    EXPECT_TRUE(filter.IsGainInDb());
    EXPECT_EQ(filter.GetResponseType(), ResponseType::Filter);
    EXPECT_EQ(filter.GetNumTaps(), 0);
    EXPECT_EQ(filter.GetBandCapacity(), 32);
    EXPECT_EQ(filter.GetNumBands(), 0);
    EXPECT_EQ(filter.GetMinResponseDb(), -120.0);
    EXPECT_FALSE(filter.IsDesigned());
    EXPECT_EQ(filter.GetMinRangePoints(), 1);
    EXPECT_EQ(filter.GetMaxPoints(), 10000);
    EXPECT_TRUE(filter.IsBlank());

    const CFirData byDefault;
    EXPECT_EQ(byDefault.GetGridDensity(), 16);
    EXPECT_TRUE(byDefault.IsAttnInDb());
}

TEST(FirDataTest, RefusedBandsLeaveTheTableAsItWas) {
    test::FakeUserInterface ui;
    CFirData filter;
    ASSERT_TRUE(AddLinear(filter, 0.0, 0.2, 1.0));

    ui.ExpectMessage(kOverlapping);
    EXPECT_FALSE(AddLinear(filter, 0.2, 0.3, 0.0));  // touching edges overlap
    ui.ExpectMessage(kOverlapping);
    EXPECT_FALSE(AddLinear(filter, 0.1, 0.3, 0.0));
    ui.ExpectMessage("Error: Linear Gain must be greater than or equal to zero.");
    EXPECT_FALSE(AddLinear(filter, 0.3, 0.4, -0.5));

    EXPECT_EQ(filter.GetNumBands(), 1);
    EXPECT_EQ(filter.GetUpperEdge(0), 0.2);
    for (const auto& message : ui.Messages()) {
        EXPECT_EQ(message.icon, MessageIcon::Stop);
    }
}

TEST(FirDataTest, TheThirtyThirdBandIsRefused) {
    test::FakeUserInterface ui;
    CFirData filter;
    for (int band = 0; band < 32; ++band) {
        ASSERT_TRUE(AddLinear(filter, band * 0.01, band * 0.01 + 0.005, band % 2));
    }
    ui.ExpectMessage(kTooManyBands);
    EXPECT_FALSE(AddLinear(filter, 0.4, 0.5, 0.0));
    EXPECT_EQ(filter.GetNumBands(), 32);
    EXPECT_EQ(filter.BandEdges().size(), 64u);
}

TEST(FirDataTest, WithoutBandRoomEveryBandIsRefused) {
    test::FakeUserInterface ui;
    CFirData filter;
    AddLinear(filter, 0.0, 0.1, 1.0);
    filter.AllocateBands(0);
    EXPECT_EQ(filter.GetNumBands(), 0);
    ui.ExpectMessage(kTooManyBands);
    EXPECT_FALSE(AddLinear(filter, 0.0, 0.1, 1.0));
}

TEST(FirDataTest, EdgesInFsUnitsAreDividedBySampleRate) {
    CFirData filter;
    filter.SetFrequencyUnits(CFreqUnits(8000.0, 0));
    ASSERT_TRUE(filter.AddBand(0.0, 800.0, 1.0, 1.0, false, false, true));
    EXPECT_DOUBLE_EQ(filter.GetUpperEdge(0), 0.1);
}

struct DbCase {
    double gainDb;
    double attnDb;
    double weight;  // expected, within 0.01
};

class FirDataDbTest : public testing::TestWithParam<DbCase> {};

TEST_P(FirDataDbTest, DbValuesBecomeWeightsAndReadBack) {
    const DbCase& c = GetParam();
    CFirData filter;
    ASSERT_TRUE(filter.AddBand(0.0, 0.1, c.gainDb, c.attnDb, true, true, false));
    EXPECT_NEAR(filter.GetBandWeight(0), c.weight, 0.01);
    EXPECT_NEAR(filter.GetAttnRippleDisplay(0, true), c.attnDb, 1e-9);
    EXPECT_EQ(filter.GetAttnRippleDisplay(0, false), filter.GetBandWeight(0));
    EXPECT_TRUE(filter.IsGainInDb());
    EXPECT_TRUE(filter.IsAttnInDb());
}

INSTANTIATE_TEST_SUITE_P(Bands, FirDataDbTest,
                         testing::Values(DbCase{0.0, 0.1, 173.72},      // passband ripple
                                         DbCase{-1000.0, 40.0, 100.0},  // stopband
                                         DbCase{0.0, 3.0, 5.85}, DbCase{-1000.0, 80.0, 10000.0}));

TEST(FirDataTest, GainsBelowTheFloorAreStopbands) {
    CFirData filter;
    ASSERT_TRUE(filter.AddBand(0.0, 0.1, -1000.0, 40.0, true, true, false));
    ASSERT_TRUE(filter.AddBand(0.2, 0.3, -120.0, 40.0, true, true, false));
    ASSERT_TRUE(filter.AddBand(0.4, 0.5, -120.5, 40.0, true, true, false));
    EXPECT_EQ(filter.GetDesiredGain(0), 0.0);
    EXPECT_FALSE(filter.IsPassband(0));
    EXPECT_NEAR(filter.GetDesiredGain(1), 1e-6, 1e-18);
    EXPECT_TRUE(filter.IsPassband(1));
    EXPECT_EQ(filter.GetDesiredGain(2), 0.0);
    EXPECT_EQ(filter.GetDesiredDisplay(0, true), -1000.0);
    EXPECT_NEAR(filter.GetDesiredDisplay(1, true), -120.0, 1e-9);
}

TEST(FirDataTest, TinyLinearGainShowsAsZeroButKeepsItsDb) {
    CFirData filter;
    ASSERT_TRUE(AddLinear(filter, 0.0, 0.1, 0.000005));
    EXPECT_EQ(filter.GetDesiredDisplay(0, false), 0.0);
    EXPECT_NEAR(filter.GetDesiredDisplay(0, true), -106.02, 0.005);
    ASSERT_TRUE(AddLinear(filter, 0.2, 0.3, 0.5));
    EXPECT_EQ(filter.GetDesiredDisplay(1, false), 0.5);
}

TEST(FirDataTest, EvenTapsWithAPassbandAtNyquistAreRaisedQuietlyOrRefused) {
    CFirData quiet = Highpass(20);
    EXPECT_TRUE(quiet.PassbandAtNyquist());
    EXPECT_TRUE(quiet.Validate());
    EXPECT_EQ(quiet.GetNumTaps(), 21);

    test::FakeUserInterface ui;
    CFirData verbose = Highpass(20);
    ui.ExpectMessage(kEvenAtNyquist);
    EXPECT_FALSE(ValidateShowing(verbose));
    EXPECT_EQ(verbose.GetNumTaps(), 20);

    CFirData odd = Highpass(21);
    EXPECT_TRUE(ValidateShowing(odd));
    EXPECT_EQ(odd.GetNumTaps(), 21);
}

struct ValidateCase {
    ResponseType type;
    int bands;
    std::int32_t taps;
    const char* message;
};

class FirDataValidateTest : public testing::TestWithParam<ValidateCase> {};

TEST_P(FirDataValidateTest, RefusesWithTheFirstFailedRuleOnlyWhenVerbose) {
    const ValidateCase& c = GetParam();
    CFirData filter;
    filter.SetSpecification(c.type, c.taps, 16);
    for (int band = 0; band < c.bands; ++band) {
        AddLinear(filter, band * 0.2, band * 0.2 + 0.1, 1.0 - band % 2);
    }
    {
        test::FakeUserInterface ui;
        EXPECT_FALSE(filter.Validate());
    }
    test::FakeUserInterface ui;
    ui.ExpectMessage(c.message);
    EXPECT_FALSE(ValidateShowing(filter));
    EXPECT_EQ(filter.GetNumTaps(), c.taps);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FirDataValidateTest,
    testing::Values(ValidateCase{ResponseType::Hilbert, 0, 2,
                                 "Error: Hilbert specification must have at least one passband."},
                    ValidateCase{ResponseType::Filter, 1, 2,
                                 "Error: Cannot design FIR with less than two bands.\n"
                                 "(At least one passband and one stopband is required.)"},
                    ValidateCase{ResponseType::Differentiator, 2, 2,
                                 "Error: Cannot design FIR with less than 3 taps."},
                    ValidateCase{ResponseType::Hilbert, 1, 0,
                                 "Error: Cannot design FIR with less than 3 taps."}));

TEST(FirDataTest, GridDensityOutsideOneToTheLargestIsRefused) {
    for (const std::int32_t grid : {0, -5, CFirData::kMaxGridDensity + 1, 1000000}) {
        test::FakeUserInterface ui;
        CFirData filter = Highpass(21);
        ArchiveWriter writer;
        filter.SerializeSpecification(writer);
        std::vector<std::uint8_t> bytes = writer.TakeBytes();
        // The grid density follows the response type.
        for (int i = 0; i < 4; ++i) {
            bytes[4 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(grid) >> (8 * i));
        }
        ArchiveReader reader(bytes);
        filter.SerializeSpecification(reader);
        EXPECT_FALSE(filter.Validate()) << grid;
        ui.ExpectMessage(grid < 1 ? "Error: Cannot design FIR with Grid Density less than one."
                                  : "Error: Grid Density cannot be more than 1024.");
        EXPECT_FALSE(DesignShowing(filter)) << grid;
        EXPECT_EQ(filter.GetNumPoints(), 0);
    }
    CFirData largest = Highpass(21);
    largest.SetSpecification(ResponseType::Filter, 21, CFirData::kMaxGridDensity);
    AddLinear(largest, 0.0, 0.2, 0.0);
    AddLinear(largest, 0.3, 0.5, 1.0);
    EXPECT_TRUE(largest.Validate());
    EXPECT_NE(std::string(CFirData::kGridDensityTooLargeMessage)
                  .find(std::to_string(CFirData::kMaxGridDensity)),
              std::string::npos);
}

TEST(FirDataTest, BandsThatNoFileMayHoldAreRefused) {
    test::FakeUserInterface ui;
    CFirData filter;
    ui.ExpectMessage("Error: A band value is not a number.");
    EXPECT_FALSE(AddLinear(filter, std::nan(""), 0.2, 1.0));
    ui.ExpectMessage("Error: Lower band edge is above the upper band edge.");
    EXPECT_FALSE(AddLinear(filter, 0.2, 0.1, 1.0));
    ui.ExpectMessage("Error: Band weight must be greater than zero.");
    EXPECT_FALSE(filter.AddBand(0.0, 0.1, 1.0, 0.0, false, false, false));
    ui.ExpectMessage("Error: Band weight must be greater than zero.");
    EXPECT_FALSE(filter.AddBand(0.0, 0.1, 0.0, -2.0, false, false, false));
    // A negative ripple in dB allows a negative deviation.
    ui.ExpectMessage("Error: Band weight must be greater than zero.");
    EXPECT_FALSE(filter.AddBand(0.0, 0.1, 1.0, -0.5, false, true, false));
    EXPECT_EQ(filter.GetNumBands(), 0);
    EXPECT_NO_THROW(filter.RequireSoundSpecification());
}

// A specification as a file holds it: two bands, each given as lower, upper, gain, weight.
std::vector<std::uint8_t> StoredBands(const std::vector<double>& values) {
    ArchiveWriter writer;
    for (const std::int32_t field : {1, 16, 21, 32, 2}) {
        writer.WriteI32(field);
    }
    for (const double value : values) {
        writer.WriteF64(value);
    }
    writer.WriteI32(0);
    writer.WriteI32(0);
    writer.WriteF64(-120.0);
    writer.WriteI32(0);
    return writer.TakeBytes();
}

TEST(FirDataTest, UnsoundBandsReadFromAFileAreRefused) {
    const double nan = std::nan("");
    const std::vector<std::vector<double>> unsound = {
        {0.0, nan, 1.0, 1.0, 0.3, 0.5, 0.0, 1.0},   // an edge not a number
        {0.0, 0.2, 1.0, 1.0, 0.3, 0.5, 0.0, 0.0},   // weight 0
        {0.0, 0.2, 1.0, -3.0, 0.3, 0.5, 0.0, 1.0},  // negative weight
        {0.0, 0.2, 1.0, nan, 0.3, 0.5, 0.0, 1.0},   // weight not a number
        {0.0, 0.2, -1.0, 1.0, 0.3, 0.5, 0.0, 1.0},  // negative gain
        {0.2, 0.1, 1.0, 1.0, 0.3, 0.5, 0.0, 1.0},   // lower above upper
        {0.0, 0.4, 1.0, 1.0, 0.3, 0.5, 0.0, 1.0},   // second band inside the first
    };
    for (const auto& values : unsound) {
        CFirData filter;
        const std::vector<std::uint8_t> bytes = StoredBands(values);
        ArchiveReader reader(bytes);
        filter.SerializeSpecification(reader);
        EXPECT_THROW(filter.RequireSoundSpecification(), ArchiveError) << values[1];
    }
    CFirData sound;
    const std::vector<std::uint8_t> bytes = StoredBands({0.0, 0.2, 1.0, 1.0, 0.2, 0.5, 0.0, 1.0});
    ArchiveReader reader(bytes);
    sound.SerializeSpecification(reader);
    EXPECT_NO_THROW(sound.RequireSoundSpecification());
}

TEST(FirDataTest, TapCountsBeyondTheLargestAreKeptAndNeverDesigned) {
    CFirData filter = Highpass(21);
    filter.SetNumTaps(20000);
    EXPECT_EQ(filter.GetNumTaps(), 20000);
    EXPECT_TRUE(filter.DesignTaps().empty());
    filter.SetNumTaps(CFirData::kMaxTaps + 1);
    EXPECT_EQ(filter.DesignTaps().size(), static_cast<std::size_t>(CFirData::kMaxTaps + 1));
    filter.SetNumTaps(std::numeric_limits<std::int32_t>::max());
    test::FakeUserInterface ui;
    ui.ExpectMessage("Error: Cannot design FIR with more than 10000 taps.");
    EXPECT_FALSE(DesignShowing(filter));
    EXPECT_EQ(filter.GetNumPoints(), 0);
}

TEST(FirDataTest, SmallGridIsRaisedToFourWithANote) {
    test::FakeUserInterface ui;
    CFirData filter;
    AddLinear(filter, 0.0, 0.1, 1.0);
    ui.ExpectMessage("Grid Density is too small.\nIt is being set to 4.");
    filter.SetSpecification(ResponseType::Differentiator, 31, 2);
    EXPECT_EQ(filter.GetGridDensity(), 4);
    EXPECT_EQ(filter.GetResponseType(), ResponseType::Differentiator);
    EXPECT_EQ(filter.GetNumBands(), 0);
    EXPECT_EQ(filter.GetNumTaps(), 31);
    EXPECT_EQ(filter.DesignTaps().size(), 31u);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].icon, MessageIcon::Information);
}

TEST(FirDataTest, TapCountAndBufferFollowSetNumTaps) {
    CFirData filter;
    filter.SetNumTaps(10);
    EXPECT_EQ(filter.DesignTaps().size(), 10u);
    filter.SetNumTaps(0);
    EXPECT_EQ(filter.GetNumTaps(), 10);
    EXPECT_TRUE(filter.DesignTaps().empty());
    filter.SetNumTaps(-3);
    EXPECT_EQ(filter.GetNumTaps(), 0);

    for (int i = 0; i < 7; ++i) {
        filter.Inphase().Add(0.0);
        filter.Quadrature().Add(0.0);
    }
    EXPECT_FALSE(filter.IsBlank());
    filter.SyncTapsToData();
    EXPECT_EQ(filter.GetNumTaps(), 7);
}

TEST(FirDataTest, SpecificationIsStoredInItsFieldOrder) {
    CFirData filter = Highpass(21);
    filter.SetDesigned(true);
    ArchiveWriter writer;
    filter.SerializeSpecification(writer);

    ArchiveReader check(writer.Bytes());
    EXPECT_EQ(check.ReadI32(), 1);   // response type
    EXPECT_EQ(check.ReadI32(), 16);  // grid density
    EXPECT_EQ(check.ReadI32(), 21);  // taps
    EXPECT_EQ(check.ReadI32(), 32);  // band capacity
    EXPECT_EQ(check.ReadI32(), 2);   // bands
    const std::vector<double> firstBand{check.ReadF64(), check.ReadF64(), check.ReadF64(),
                                        check.ReadF64()};
    EXPECT_EQ(firstBand, (std::vector<double>{0.0, 0.2, 0.0, 1.0}));
    check.Skip(4 * sizeof(double));
    EXPECT_EQ(check.ReadI32(), 0);  // gain in dB
    EXPECT_EQ(check.ReadI32(), 0);  // attenuation in dB
    EXPECT_EQ(check.ReadF64(), -120.0);
    EXPECT_EQ(check.ReadI32(), 1);  // designed
    EXPECT_TRUE(check.AtEnd());

    CFirData loaded;
    loaded.SetNumTaps(5);
    ArchiveReader reader(writer.Bytes());
    loaded.SerializeSpecification(reader);
    EXPECT_EQ(loaded.GetNumTaps(), 21);
    EXPECT_TRUE(loaded.DesignTaps().empty());
    EXPECT_EQ(loaded.GetNumBands(), 2);
    EXPECT_EQ(loaded.GetLowerEdge(1), 0.3);
    EXPECT_TRUE(loaded.IsDesigned());
    EXPECT_FALSE(loaded.IsAttnInDb());
}

struct DamagedCase {
    std::int32_t taps;
    std::int32_t capacity;
    std::int32_t bands;
    int bandsPresent;
    ArchiveErrorKind kind;
};

class FirDataLoadTest : public testing::TestWithParam<DamagedCase> {};

TEST_P(FirDataLoadTest, DamagedSpecificationIsRefusedWithoutChange) {
    const DamagedCase& c = GetParam();
    ArchiveWriter writer;
    writer.WriteI32(2);
    writer.WriteI32(0);
    writer.WriteI32(c.taps);
    writer.WriteI32(c.capacity);
    writer.WriteI32(c.bands);
    for (int i = 0; i < 4 * c.bandsPresent; ++i) {
        writer.WriteF64(0.25);
    }
    writer.WriteI32(1);
    writer.WriteI32(1);
    writer.WriteF64(-80.0);
    writer.WriteI32(1);

    CFirData filter = Highpass(21);
    ArchiveReader reader(writer.Bytes());
    try {
        filter.SerializeSpecification(reader);
        ADD_FAILURE() << "the damaged specification was read";
    } catch (const ArchiveError& error) {
        EXPECT_EQ(error.Kind(), c.kind);
    }
    EXPECT_EQ(filter.GetResponseType(), ResponseType::Filter);
    EXPECT_EQ(filter.GetNumTaps(), 21);
    EXPECT_EQ(filter.GetBandCapacity(), 32);
    EXPECT_EQ(filter.GetNumBands(), 2);
    EXPECT_EQ(filter.GetMinResponseDb(), -120.0);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, FirDataLoadTest,
    testing::Values(DamagedCase{21, 32 * 1024 + 1, 0, 0, ArchiveErrorKind::Malformed},
                    DamagedCase{21, -1, 0, 0, ArchiveErrorKind::Malformed},
                    DamagedCase{21, 32, 33, 33, ArchiveErrorKind::Malformed},
                    DamagedCase{21, 32, -1, 0, ArchiveErrorKind::Malformed},
                    DamagedCase{-1, 32, 2, 2, ArchiveErrorKind::Malformed},
                    DamagedCase{21, 32 * 1024, 30000, 2, ArchiveErrorKind::EndOfFile},
                    DamagedCase{21, 32, 3, 2, ArchiveErrorKind::EndOfFile}));

TEST(FirDataTest, UnknownResponseTypeIsRefused) {
    for (const std::int32_t type : {0, 4}) {
        ArchiveWriter writer;
        for (const std::int32_t value : {type, 16, 21, 32, 0, 0, 1}) {
            writer.WriteI32(value);
        }
        writer.WriteF64(-110.0);
        writer.WriteI32(0);
        CFirData filter;
        ArchiveReader reader(writer.Bytes());
        EXPECT_THROW(filter.SerializeSpecification(reader), ArchiveError) << type;
        EXPECT_EQ(filter.GetResponseType(), ResponseType::Filter);
    }
}

TEST(FirDataTest, LargestStoredCapacityAndAGridOfZeroLoad) {
    ArchiveWriter writer;
    for (std::int32_t value : {1, 0, 21, 32 * 1024, 2}) {
        writer.WriteI32(value);
    }
    for (double value : {0.0, 0.2, 1.0, 1.0, 0.3, 0.5, 0.0, 1.0}) {
        writer.WriteF64(value);
    }
    writer.WriteI32(0);
    writer.WriteI32(0);
    writer.WriteF64(-120.0);
    writer.WriteI32(0);
    CFirData filter;
    ArchiveReader reader(writer.Bytes());
    filter.SerializeSpecification(reader);
    EXPECT_EQ(filter.GetBandCapacity(), 32 * 1024);

    test::FakeUserInterface ui;
    ui.ExpectMessage("Error: Cannot design FIR with Grid Density less than one.");
    EXPECT_FALSE(ValidateShowing(filter));
}

}  // namespace
}  // namespace tapwright
