#include "design/WordLength.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "math/FixedPoint.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::FakeUserInterface;

// A band as the simple editor enters it: edges in cycles per sample, gain 1 or 0, ripple or
// attenuation in dB.
struct BandSpec {
    double lower;
    double upper;
    bool passband;
    double db;
};

struct FilterSpec {
    const char* name;
    std::vector<BandSpec> bands;
    // Where the search for the shortest passing length starts when there is no estimate.
    std::int32_t taps;
};

CFirData MakeFilter(const FilterSpec& spec) {
    CFirData filter;
    filter.SetSpecification(ResponseType::Filter, spec.taps, 16);
    for (const BandSpec& band : spec.bands) {
        filter.AddBand(band.lower, band.upper, band.passband ? 1.0 : 0.0, band.db, false, true,
                       false);
    }
    // The shortest passing length from the estimate up, as an optimisation ends.
    std::int32_t taps = filter.CanEstimate() ? filter.EstimateTaps() : spec.taps;
    while (taps % 2 == 0 && filter.PassbandAtNyquist() ? true : !filter.DesignWithTaps(taps)) {
        ++taps;
    }
    filter.SetDesigned(true);
    return filter;
}

// Ordinary specifications: lowpass, highpass, bandpass and bandstop, 50 to 90 dB.
const std::vector<FilterSpec> kOrdinary = {
    {"Lowpass60", {{0.0, 0.2, true, 0.5}, {0.225, 0.5, false, 60.0}}, 0},
    {"Lowpass80", {{0.0, 0.1, true, 0.1}, {0.14, 0.5, false, 80.0}}, 0},
    {"Highpass70", {{0.0, 0.3, false, 70.0}, {0.33, 0.5, true, 0.2}}, 0},
    {"Bandpass50", {{0.0, 0.1, false, 50.0}, {0.15, 0.3, true, 0.5}, {0.35, 0.5, false, 50.0}}, 30},
    {"Bandstop90",
     {{0.0, 0.15, true, 0.2}, {0.22, 0.3, false, 90.0}, {0.37, 0.5, true, 0.2}}, 31},
};

std::string ToName(const testing::TestParamInfo<FilterSpec>& info) { return info.param.name; }

class WordLengthTableTest : public testing::TestWithParam<FilterSpec> {};

TEST_P(WordLengthTableTest, EveryRowMeetsTheSpecificationWithSymmetricWordsInRange) {
    FakeUserInterface ui;
    CFirData filter = MakeFilter(GetParam());
    const std::vector<double> before = filter.InphaseTaps();
    const std::vector<WordLengthRow> rows = ComputeWordLengthTable(filter, {4, 24});
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].taps, filter.GetNumTaps());
    EXPECT_EQ(filter.InphaseTaps(), before) << "the table must leave the filter alone";
    int saved = 0;
    int found = 0;
    for (const WordLengthRow& row : rows) {
        // The shortest passing length can meet its specification with no margin to spare,
        // and then no word length does; the search is never worse than rounding there.
        if (!row.bits) {
            EXPECT_FALSE(row.bitsRounding.has_value()) << row.taps << " taps";
            continue;
        }
        ++found;
        ASSERT_TRUE(row.bitsRounding.has_value());
        EXPECT_LE(*row.bits, *row.bitsRounding);
        saved += *row.bits < *row.bitsRounding ? 1 : 0;
        ASSERT_EQ(row.integers.size(), static_cast<std::size_t>(row.taps));
        const auto scale = static_cast<std::int64_t>(QuantizationScale(*row.bits));
        for (std::size_t n = 0; n < row.integers.size(); ++n) {
            EXPECT_EQ(row.integers[n], row.integers[row.integers.size() - 1 - n]);
            EXPECT_GE(row.integers[n], -scale);
            EXPECT_LE(row.integers[n], scale - 1);
        }
        const CFirData::SpecMeasurement measured =
            filter.MeasureSpecification(WordsToTaps(row.integers, *row.bits));
        EXPECT_TRUE(measured.meetsSpec) << row.taps << " taps, " << *row.bits << " bits";
        EXPECT_NEAR(measured.designMarginDb, row.designMarginDb, 1e-9);
    }
    EXPECT_GE(found, 4) << "longer lengths leave room for quantization";
    EXPECT_GE(2 * saved, found) << "fewer bits than rounding in half";
}

// The search skips the word lengths its fast guide already sees failing; none of them may be
// one at which the rounded taps pass.
TEST_P(WordLengthTableTest, RoundingWordLengthIsTheFirstAtWhichRoundedTapsPass) {
    FakeUserInterface ui;
    const CFirData filter = MakeFilter(GetParam());
    const WordLengthResult result = SearchFilterWordLength(filter, filter.InphaseTaps(), 24, {});
    std::optional<std::int32_t> first;
    for (std::int32_t bits = kMinWordBits; bits <= 24 && !first; ++bits) {
        if (MeasureQuantized(filter, bits).designMarginDb >= 0.0) {
            first = bits;
        }
    }
    EXPECT_EQ(result.bitsRounding, first);
}

INSTANTIATE_TEST_SUITE_P(Ordinary, WordLengthTableTest, testing::ValuesIn(kOrdinary), ToName);

CFirData Lowpass60() { return MakeFilter(kOrdinary[0]); }

TEST(WordLengthTest, QuantizedVerdictIsTheVerdictAfterQuantizing) {
    FakeUserInterface ui;
    const CFirData filter = Lowpass60();
    for (const std::int32_t bits : {8, 14, 16, 17, 20, 24}) {
        CFirData quantized = filter;
        ASSERT_TRUE(quantized.Quantize(bits, true, false));
        const CFirData::SpecMeasurement copy = MeasureQuantized(filter, bits);
        const CFirData::SpecMeasurement after = quantized.MeasureSpecification();
        EXPECT_EQ(copy.meetsSpec, after.meetsSpec) << bits << " bits";
        EXPECT_EQ(copy.designMarginDb, after.designMarginDb) << bits << " bits";
    }
    // Coarse words fail a 60 dB stopband, fine ones pass; the filter itself is untouched.
    EXPECT_FALSE(MeasureQuantized(filter, 8).meetsSpec);
    EXPECT_TRUE(MeasureQuantized(filter, 24).meetsSpec);
    EXPECT_EQ(filter.InphaseTaps(), Lowpass60().InphaseTaps());
}

TEST(WordLengthTest, HilbertWordsAreAntisymmetricWithAZeroCentre) {
    FakeUserInterface ui;
    CFirData filter;
    filter.SetSpecification(ResponseType::Hilbert, 31, 16);
    filter.AddBand(0.05, 0.45, 1.0, 0.5, false, true, false);
    ASSERT_TRUE(filter.DesignWithTaps(31));
    const std::vector<WordLengthRow> rows = ComputeWordLengthTable(filter, {2, 24});
    ASSERT_EQ(rows.size(), 3u);
    for (const WordLengthRow& row : rows) {
        ASSERT_TRUE(row.bits.has_value());
        const std::size_t n = row.integers.size();
        for (std::size_t i = 0; i < n; ++i) {
            EXPECT_EQ(row.integers[i], -row.integers[n - 1 - i]) << row.taps << " taps";
        }
        if (n % 2 == 1) {
            EXPECT_EQ(row.integers[n / 2], 0);
        }
        EXPECT_TRUE(filter.MeasureSpecification(WordsToTaps(row.integers, *row.bits)).meetsSpec);
    }
}

TEST(WordLengthTest, NoWordLengthUpToTheMaximumGivesNoBits) {
    FakeUserInterface ui;
    const CFirData filter = Lowpass60();
    const std::vector<WordLengthRow> rows = ComputeWordLengthTable(filter, {1, 6});
    ASSERT_EQ(rows.size(), 2u);
    for (const WordLengthRow& row : rows) {
        EXPECT_FALSE(row.bits.has_value());
        EXPECT_FALSE(row.bitsRounding.has_value());
        EXPECT_TRUE(row.integers.empty());
        EXPECT_TRUE(std::isnan(row.designMarginDb));
        EXPECT_EQ(row.coefficients.size(), static_cast<std::size_t>(row.taps));
    }
    EXPECT_FALSE(AnyWordLengthFound(rows));
    EXPECT_EQ(NoWordLengthMessage(6),
              "No word length up to 6 bits meets the specification.\n"
              "(Quantized coefficients of every length tried fail at least one band.)");
}

TEST(WordLengthTest, TableSkipsLengthsThatCannotBeDesigned) {
    FakeUserInterface ui;
    // A highpass has its passband at Fs/2: only odd lengths.
    const CFirData filter = MakeFilter(kOrdinary[2]);
    std::vector<std::string> status;
    const std::vector<WordLengthRow> rows = ComputeWordLengthTable(
        filter, {3, 24}, [&status](const std::string& text) { status.push_back(text); });
    ASSERT_EQ(rows.size(), 4u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].taps, filter.GetNumTaps() + 2 * static_cast<std::int32_t>(i));
    }
    ASSERT_FALSE(status.empty());
    EXPECT_EQ(status.front(), "Word length: " + std::to_string(filter.GetNumTaps()) + " taps...");
}

TEST(WordLengthTest, ApplyingARowStoresItsQuantizedValues) {
    FakeUserInterface ui;
    CFirData filter = Lowpass60();
    const std::vector<WordLengthRow> rows = ComputeWordLengthTable(filter, {2, 24});
    const WordLengthRow& row = rows[2];
    ASSERT_TRUE(ApplyWordLengthRow(filter, row));
    EXPECT_EQ(filter.GetNumTaps(), row.taps);
    EXPECT_EQ(filter.InphaseTaps(), WordsToTaps(row.integers, *row.bits));
    EXPECT_TRUE(filter.IsReal());
    EXPECT_TRUE(filter.MeetsSpec());

    // A row without a word length changes nothing.
    WordLengthRow empty = row;
    empty.bits.reset();
    const std::vector<double> before = filter.InphaseTaps();
    EXPECT_FALSE(ApplyWordLengthRow(filter, empty));
    EXPECT_EQ(filter.InphaseTaps(), before);
}

}  // namespace
}  // namespace tapwright
