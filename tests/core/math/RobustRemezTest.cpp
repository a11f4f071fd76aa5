#include "math/RobustRemez.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "design/DesignProgress.h"
#include "math/EquirippleCertificate.h"
#include "math/RemezDesign.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr ResponseType kFilter = ResponseType::Filter;
constexpr ResponseType kDifferentiator = ResponseType::Differentiator;
constexpr ResponseType kHilbert = ResponseType::Hilbert;

struct Spec {
    const char* name;
    ResponseType type;
    int numTaps;
    std::vector<double> edges;
    std::vector<double> desired;
    std::vector<double> weights;

    int NumBands() const { return static_cast<int>(desired.size()); }
    ApproximationProblem Problem(int density = 16) const {
        return MakeApproximationProblem(type, numTaps, density, NumBands(), edges, desired,
                                        weights);
    }
};

void PrintTo(const Spec& spec, std::ostream* os) {
    *os << spec.name;
}

double Amplitude(const std::vector<double>& taps, bool oddSymmetry, double f) {
    const double centre = (static_cast<double>(taps.size()) - 1.0) / 2.0;
    double sum = 0.0;
    for (std::size_t n = 0; n < taps.size(); ++n) {
        const double angle = 2.0 * kPi * f * (centre - static_cast<double>(n));
        sum += taps[n] * (oddSymmetry ? std::sin(angle) : std::cos(angle));
    }
    return sum;
}

// The largest weighted error of the taps over the problem's bands, from the sum written out
// at four points per tap and per cycle-per-sample of band, plus the band ends.
double DenseLargestError(const std::vector<double>& taps, const ApproximationProblem& problem) {
    double largest = 0.0;
    for (std::size_t b = 0; b < problem.bands.size(); ++b) {
        const ApproximationBand& band = problem.bands[b];
        const int steps = 1 + static_cast<int>(4.0 * static_cast<double>(taps.size()) *
                                               (band.upper - band.lower));
        for (int i = 0; i <= steps; ++i) {
            const double f = band.lower + (band.upper - band.lower) * i / steps;
            const double e = problem.Error(b, f, Amplitude(taps, problem.oddSymmetry, f));
            largest = std::max(largest, std::fabs(e));
        }
    }
    return largest;
}

RobustRemezResult DesignRobust(const ApproximationProblem& problem, int* iterations = nullptr) {
    return RobustRemez(problem, {}, [iterations](int n) {
        if (iterations != nullptr) {
            *iterations = n;
        }
    });
}

class RobustRemezLongTest : public testing::TestWithParam<Spec> {};

// Long designs beyond the reach of the grid exchange: the error on the continuous bands is
// level over r + 1 alternating extrema, and no denser look finds anything larger.
TEST_P(RobustRemezLongTest, ErrorIsLevelOverAlternatingExtrema) {
    const Spec& spec = GetParam();
    const ApproximationProblem problem = spec.Problem();
    int reported = 0;
    const RobustRemezResult result = DesignRobust(problem, &reported);
    ASSERT_TRUE(result.converged);
    EXPECT_EQ(result.iterations, reported);
    ASSERT_EQ(result.taps.size(), static_cast<std::size_t>(spec.numTaps));

    const EquirippleCertificate certificate = CertifyEquiripple(result.taps, problem);
    ASSERT_EQ(certificate.alternation.size(), static_cast<std::size_t>(problem.numCosines) + 1);
    EXPECT_LT(certificate.spread, 1e-3);
    for (std::size_t i = 1; i < certificate.alternation.size(); ++i) {
        EXPECT_LT(certificate.alternation[i].error * certificate.alternation[i - 1].error, 0.0);
    }
    EXPECT_NEAR(certificate.peakError, result.deviation, 1e-3 * result.deviation);
    const double dense = DenseLargestError(result.taps, problem);
    EXPECT_LE(dense, certificate.peakError * (1.0 + 1e-6));
    EXPECT_GE(dense, certificate.peakError * (1.0 - 1e-2));
}

INSTANTIATE_TEST_SUITE_P(
    EveryTypeAndParity, RobustRemezLongTest,
    testing::Values(
        Spec{"Lowpass2201", kFilter, 2201, {0.0, 0.2, 0.2025, 0.5}, {1.0, 0.0}, {1.0, 1.0}},
        Spec{"Lowpass2200", kFilter, 2200, {0.0, 0.2, 0.2025, 0.5}, {1.0, 0.0}, {1.0, 1.0}},
        Spec{"Differentiator1501",
             kDifferentiator,
             1501,
             {0.0, 0.4, 0.403, 0.5},
             {1.0, 0.0},
             {1.0, 10.0}},
        Spec{"Differentiator1500",
             kDifferentiator,
             1500,
             {0.0, 0.4, 0.403, 0.5},
             {1.0, 0.0},
             {1.0, 10.0}},
        Spec{"Hilbert1501", kHilbert, 1501, {0.0015, 0.4985}, {1.0}, {1.0}},
        Spec{"Hilbert1500", kHilbert, 1500, {0.0015, 0.5}, {1.0}, {1.0}}),
    [](const testing::TestParamInfo<Spec>& info) { return std::string(info.param.name); });

class RobustRemezAgreementTest : public testing::TestWithParam<Spec> {};

// On designs the grid exchange levels, a fine grid puts its peaks where the continuous ones
// are: both engines reach the same peak error.
TEST_P(RobustRemezAgreementTest, PeakErrorMatchesTheGridExchangeOnAFineGrid) {
    const Spec& spec = GetParam();
    test::FakeUserInterface ui;
    constexpr int kFineDensity = 128;
    std::vector<double> classic(static_cast<std::size_t>(spec.numTaps));
    ASSERT_EQ(RemezDesign(spec.type, spec.numTaps, kFineDensity, spec.NumBands(), spec.edges,
                          spec.desired, spec.weights, classic, StatusLineProgress("")),
              1);
    // The same density, so that both hold antisymmetric bands away from f = 0 alike.
    const ApproximationProblem problem = spec.Problem(kFineDensity);
    const RobustRemezResult robust = DesignRobust(problem);
    ASSERT_TRUE(robust.converged);
    const double classicPeak = CertifyEquiripple(classic, problem).peakError;
    const double robustPeak = CertifyEquiripple(robust.taps, problem).peakError;
    EXPECT_NEAR(robustPeak, classicPeak, 1e-3 * classicPeak);
    EXPECT_LE(robustPeak, classicPeak * (1.0 + 1e-6));
}

INSTANTIATE_TEST_SUITE_P(
    ShortDesigns, RobustRemezAgreementTest,
    testing::Values(Spec{"Lowpass101", kFilter, 101, {0.0, 0.2, 0.25, 0.5}, {1.0, 0.0}, {1.0, 1.0}},
                    Spec{"Bandpass80",
                         kFilter,
                         80,
                         {0.0, 0.1, 0.15, 0.3, 0.35, 0.5},
                         {0.0, 1.0, 0.0},
                         {10.0, 1.0, 10.0}},
                    Spec{"Differentiator41", kDifferentiator, 41, {0.0, 0.45}, {1.0}, {1.0}},
                    Spec{"HilbertFromZero32", kHilbert, 32, {0.0, 0.5}, {1.0}, {1.0}},
                    Spec{"HilbertFromZero31", kHilbert, 31, {0.0, 0.45}, {1.0}, {1.0}}),
    [](const testing::TestParamInfo<Spec>& info) { return std::string(info.param.name); });

TEST(RobustRemezTest, BandNarrowerThanAGridStepIsHeld) {
    // A passband of a tenth of the grid step 0.5 / (16 r): the grid can give it one point
    // at most, the continuous bands give it its ends and everything between.
    const Spec spec{"Narrow",        kFilter,        61, {0.0, 0.2, 0.25, 0.25005, 0.3, 0.5},
                    {0.0, 1.0, 0.0}, {1.0, 1.0, 1.0}};
    const ApproximationProblem problem = spec.Problem();
    const RobustRemezResult result = DesignRobust(problem);
    ASSERT_TRUE(result.converged);
    const EquirippleCertificate certificate = CertifyEquiripple(result.taps, problem);
    EXPECT_LT(certificate.spread, 1e-3);
    // Across the narrow band the response stays within the levelled error of 1.
    for (int i = 0; i <= 10; ++i) {
        const double f = 0.25 + 0.00005 * i / 10.0;
        EXPECT_LE(std::fabs(Amplitude(result.taps, false, f) - 1.0),
                  certificate.peakError * (1.0 + 1e-9));
    }
    EXPECT_LE(DenseLargestError(result.taps, problem), certificate.peakError * (1.0 + 1e-6));
}

TEST(RobustRemezTest, StartsFromAGivenReferenceOfTheRightSize) {
    const Spec spec{"Lowpass", kFilter, 101, {0.0, 0.2, 0.25, 0.5}, {1.0, 0.0}, {1.0, 1.0}};
    const ApproximationProblem problem = spec.Problem();
    const RobustRemezResult first = DesignRobust(problem);
    ASSERT_TRUE(first.converged);
    int iterations = 0;
    const RobustRemezResult again =
        RobustRemez(problem, first.reference, [&iterations](int n) { iterations = n; });
    ASSERT_TRUE(again.converged);
    // The optimum's own extremal set is level at once.
    EXPECT_EQ(iterations, 1);
    EXPECT_NEAR(again.deviation, first.deviation, 1e-9 * first.deviation);
}

TEST(RobustRemezTest, NoBandsDesignNothing) {
    ApproximationProblem problem =
        MakeApproximationProblem(kHilbert, 10, 16, 1, std::vector<double>{0.0, 0.0},
                                 std::vector<double>{1.0}, std::vector<double>{1.0});
    // The band [0, 0] lies wholly where an antisymmetric response must vanish.
    EXPECT_TRUE(problem.bands.empty());
    const RobustRemezResult result = DesignRobust(problem);
    EXPECT_FALSE(result.converged);
    EXPECT_TRUE(result.taps.empty());
}

}  // namespace
}  // namespace tapwright
