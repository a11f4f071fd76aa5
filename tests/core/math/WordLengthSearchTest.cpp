#include "math/WordLengthSearch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "math/BandExtremes.h"

namespace tapwright {
namespace {

TEST(WordLengthSearchTest, RoundingFollowsTheQuantizeRule) {
    const std::vector<double> taps = {1.0, -1.0, 0.5 / 32768.0, -0.5 / 32768.0, 0.25, -2.0};
    const std::vector<std::int32_t> words = RoundToWords(taps, 16);
    // Halves go away from zero; the words stay within -32768 .. 32767.
    EXPECT_EQ(words, (std::vector<std::int32_t>{32767, -32768, 1, -1, 8192, -32768}));
    EXPECT_EQ(WordsToTaps(words, 16)[4], 0.25);
    EXPECT_EQ(RoundToWords(std::vector<double>{0.74}, 2), (std::vector<std::int32_t>{1}));
    EXPECT_EQ(RoundToWords(std::vector<double>{0.7}, 31)[0], 751619277);
}

// A 3-tap smoother h = (a, b, a) judged only on its stopband at Fs/2, where
// H(0.5) = b - 2a: the judge wants |b - 2a| small.
struct Smoother {
    std::vector<double> taps = {0.26, 0.49, 0.26};
    std::vector<WordLengthBand> bands = {{0.45, 0.5, false, -30.0, 0.0}};
    int judged = 0;

    WordLengthProblem Problem() {
        WordLengthProblem problem;
        problem.taps = taps;
        problem.bands = bands;
        problem.maxBits = 12;
        problem.exactMargin = [this](std::span<const double> candidate) {
            ++judged;
            const BandInterval band{0.45, 0.5, BandQuantity::Power};
            const BandExtremes extremes =
                MeasureBandExtremes(candidate, std::span<const BandInterval>(&band, 1))[0];
            return -30.0 - 10.0 * std::log10(std::max(extremes.maxValue, 1e-300));
        };
        return problem;
    }
};

TEST(WordLengthSearchTest, FindsFewerBitsThanRoundingAndKeepsTheSymmetry) {
    Smoother smoother;
    const WordLengthResult result = SearchWordLength(smoother.Problem());
    ASSERT_TRUE(result.bitsRounding.has_value());
    ASSERT_TRUE(result.bits.has_value());
    EXPECT_LT(*result.bits, *result.bitsRounding);
    ASSERT_EQ(result.integers.size(), 3u);
    EXPECT_EQ(result.integers[0], result.integers[2]);
    EXPECT_GE(result.marginDb, 0.0);
    // b = 2a is met exactly at any word length with room for a = 1.
    EXPECT_EQ(result.integers[1], 2 * result.integers[0]);
}

TEST(WordLengthSearchTest, AGuideThatIsTooHopefulNeverPassesAFailingCandidate) {
    Smoother smoother;
    WordLengthProblem problem = smoother.Problem();
    // The guide thinks 20 dB is enough; only the exact judge knows better.
    std::vector<WordLengthBand> loose = {{0.45, 0.5, false, -20.0, 0.0}};
    problem.bands = loose;
    const WordLengthResult result = SearchWordLength(problem);
    ASSERT_TRUE(result.bits.has_value());
    EXPECT_GE(problem.exactMargin(WordsToTaps(result.integers, *result.bits)), 0.0);
}

TEST(WordLengthSearchTest, NothingFoundWhenNoWordLengthCanMeetTheJudge) {
    Smoother smoother;
    WordLengthProblem problem = smoother.Problem();
    problem.exactMargin = [](std::span<const double>) { return -1.0; };
    const WordLengthResult result = SearchWordLength(problem);
    EXPECT_FALSE(result.bitsRounding.has_value());
    EXPECT_FALSE(result.bits.has_value());
    EXPECT_TRUE(result.integers.empty());
}

TEST(WordLengthSearchTest, ProgressNamesEachWordLengthTried) {
    Smoother smoother;
    WordLengthProblem problem = smoother.Problem();
    std::vector<std::int32_t> tried;
    problem.progress = [&tried](std::int32_t bits) { tried.push_back(bits); };
    const WordLengthResult result = SearchWordLength(problem);
    ASSERT_TRUE(result.bits.has_value());
    ASSERT_FALSE(tried.empty());
    EXPECT_EQ(tried.front(), *result.bitsRounding - 1);
    for (std::size_t i = 1; i < tried.size(); ++i) {
        EXPECT_EQ(tried[i], tried[i - 1] - 1);
    }
}

TEST(WordLengthSearchTest, FiltersBeyondTheSearchedLengthAreOnlyRounded) {
    // A judge that asks for every tap within 1e-3 of its design value: 9 bits, where 0.3
    // becomes 77 / 256 = 0.30078.
    const std::vector<double> taps(kMaxSearchedTaps + 1, 0.3);
    WordLengthProblem problem;
    problem.taps = taps;
    problem.exactMargin = [&taps](std::span<const double> candidate) {
        double worst = 0.0;
        for (std::size_t n = 0; n < candidate.size(); ++n) {
            worst = std::max(worst, std::abs(candidate[n] - taps[n]));
        }
        return worst <= 1e-3 ? 1.0 : -1.0;
    };
    problem.progress = [](std::int32_t) { ADD_FAILURE() << "no search below rounding"; };
    const WordLengthResult result = SearchWordLength(problem);
    ASSERT_TRUE(result.bits.has_value());
    EXPECT_EQ(result.bits, result.bitsRounding);
    EXPECT_EQ(*result.bits, 9);
    EXPECT_EQ(result.integers, RoundToWords(taps, 9));
}

}  // namespace
}  // namespace tapwright
