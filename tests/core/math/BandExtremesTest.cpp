#include "math/BandExtremes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "math/ResponseEvaluator.h"
#include "math/ResponseQuantity.h"

namespace tapwright {
namespace {

constexpr double kPi = 3.141592653589793;

// An independent reference: |H|^2 on a grid of 64 points per 1/N cycles across the band,
// then a golden-section search on the exact response around each of the leading grid peaks.
class DenseReference {
public:
    explicit DenseReference(const std::vector<double>& taps)
        : response_(taps, {}, ChannelSelection::Inphase), taps_(taps.size()) {}

    double Power(double f) const { return response_.Evaluate(f, ResponseQuantity::Power); }

    double Largest(double lower, double upper) const { return Extreme(lower, upper, 1.0); }
    double Smallest(double lower, double upper) const { return -Extreme(lower, upper, -1.0); }

private:
    double Extreme(double lower, double upper, double sign) const {
        const auto points = static_cast<std::size_t>(
            std::max(64.0, std::ceil((upper - lower) * 64.0 * static_cast<double>(taps_))));
        const double step = (upper - lower) / static_cast<double>(points);
        std::vector<std::pair<double, double>> grid;
        for (std::size_t i = 0; i <= points; ++i) {
            const double f = i == points ? upper : lower + step * static_cast<double>(i);
            grid.emplace_back(sign * Power(f), f);
        }
        std::vector<std::pair<double, double>> sorted = grid;
        const std::size_t leading = std::min<std::size_t>(16, sorted.size());
        std::partial_sort(sorted.begin(), sorted.begin() + static_cast<long>(leading), sorted.end(),
                          [](const auto& a, const auto& b) { return a.first > b.first; });
        double best = sorted.front().first;
        for (std::size_t i = 0; i < leading; ++i) {
            const double a = std::max(lower, sorted[i].second - step);
            const double b = std::min(upper, sorted[i].second + step);
            best = std::max(best, Golden(a, b, sign));
        }
        return best;
    }

    double Golden(double a, double b, double sign) const {
        const double ratio = 0.6180339887498949;
        double c = b - ratio * (b - a);
        double d = a + ratio * (b - a);
        double fc = sign * Power(c);
        double fd = sign * Power(d);
        for (int i = 0; i < 80; ++i) {
            if (fc > fd) {
                b = d;
                d = c;
                fd = fc;
                c = b - ratio * (b - a);
                fc = sign * Power(c);
            } else {
                a = c;
                c = d;
                fc = fd;
                d = a + ratio * (b - a);
                fd = sign * Power(d);
            }
        }
        return std::max({fc, fd, sign * Power(a), sign * Power(b)});
    }

    ResponseEvaluator response_;
    std::size_t taps_;
};

// A windowed-sinc lowpass with its cutoff at 0.25 cycles per sample.
std::vector<double> WindowedLowpass(std::size_t n) {
    std::vector<double> taps(n);
    const double centre = 0.5 * static_cast<double>(n - 1);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) - centre;
        const double sinc = t == 0.0 ? 0.5 : std::sin(0.5 * kPi * t) / (kPi * t);
        const double window =
            0.54 - 0.46 * std::cos(2.0 * kPi * static_cast<double>(i) / static_cast<double>(n - 1));
        taps[i] = sinc * window;
    }
    return taps;
}

std::vector<double> RandomTaps(std::size_t n, unsigned seed) {
    std::mt19937 generator(seed);
    std::normal_distribution<double> normal;
    std::vector<double> taps(n);
    for (double& tap : taps) {
        tap = normal(generator);
    }
    return taps;
}

BandExtremes MeasureOne(const std::vector<double>& taps, BandInterval band) {
    return MeasureBandExtremes(taps, std::span<const BandInterval>(&band, 1)).front();
}

void ExpectMatchesReference(const std::vector<double>& taps, double lower, double upper) {
    const DenseReference reference(taps);
    const BandExtremes found = MeasureOne(taps, {lower, upper});
    const double largest = reference.Largest(lower, upper);
    const double smallest = reference.Smallest(lower, upper);
    EXPECT_NEAR(found.maxValue, largest, 1e-6 * largest) << lower << " to " << upper;
    EXPECT_NEAR(found.minValue, smallest, 1e-6 * largest + 1e-6 * smallest);
    // The frequencies reported are where the values are.
    EXPECT_NEAR(reference.Power(found.maxFrequency), found.maxValue, 1e-9 * largest);
    EXPECT_GE(found.maxFrequency, lower);
    EXPECT_LE(found.maxFrequency, upper);
}

TEST(BandExtremesTest, FindsTheTrueExtremesOfWideAndNarrowBands) {
    const std::vector<double> lowpass = WindowedLowpass(301);
    ExpectMatchesReference(lowpass, 0.0, 0.22);
    ExpectMatchesReference(lowpass, 0.28, 0.5);
    // Random taps have a peak and a dip in every 1/N cycles.
    const std::vector<double> random = RandomTaps(257, 7);
    ExpectMatchesReference(random, 0.0, 0.5);
    ExpectMatchesReference(random, 0.1234, 0.1251);
}

TEST(BandExtremesTest, LongFiltersAreMeasuredExactlyWhereTheGridWouldMissThePeaks) {
    const std::vector<double> random = RandomTaps(10000, 11);
    ExpectMatchesReference(random, 0.3, 0.302);
    // A wide band of a long filter goes through the FFT; its extremes still hold.
    const std::vector<double> lowpass = WindowedLowpass(10000);
    const BandExtremes stop = MeasureOne(lowpass, {0.2505, 0.5});
    const DenseReference reference(lowpass);
    EXPECT_NEAR(stop.maxValue, reference.Largest(0.2505, 0.2515), 1e-6 * stop.maxValue);
}

TEST(BandExtremesTest, BandNarrowerThanOneSampleStepIsMeasuredAcrossItsWidth) {
    const std::vector<double> random = RandomTaps(2001, 3);
    // One grid step is 1 / (32 x 2001) = 1.6e-5 cycles.
    ExpectMatchesReference(random, 0.21, 0.21 + 4e-6);
    const BandExtremes point = MeasureOne(random, {0.21, 0.21});
    const DenseReference reference(random);
    EXPECT_DOUBLE_EQ(point.maxValue, reference.Power(0.21));
    EXPECT_DOUBLE_EQ(point.minValue, point.maxValue);
}

TEST(BandExtremesTest, WorstPointAtAnEdgeIsTheEdge) {
    // The averager [0.5, 0.5] has |H|^2 = cos^2(pi f), falling across every band.
    const std::vector<double> averager{0.5, 0.5};
    const BandExtremes stop = MeasureOne(averager, {0.4, 0.5});
    EXPECT_DOUBLE_EQ(stop.maxFrequency, 0.4);
    EXPECT_NEAR(stop.maxValue, std::pow(std::cos(0.4 * kPi), 2), 1e-15);
    EXPECT_DOUBLE_EQ(stop.minFrequency, 0.5);
    EXPECT_NEAR(stop.minValue, 0.0, 1e-30);
}

TEST(BandExtremesTest, PowerPerSquaredFrequencyJudgesASlopeAgainstItself) {
    // The central difference [0.5, 0, -0.5] has |H(f)| = |sin(2 pi f)|: relative to the
    // slope 2 pi it is sin(2 pi f) / (2 pi f), largest at the lower edge, and at f = 0 it is
    // its limit, 1.
    const std::vector<double> difference{0.5, 0.0, -0.5};
    const auto ratio = [](double f) { return std::pow(std::sin(2 * kPi * f) / f, 2); };
    const BandExtremes band =
        MeasureOne(difference, {0.01, 0.1, BandQuantity::PowerPerSquaredFrequency});
    EXPECT_NEAR(band.maxValue, ratio(0.01), 1e-12 * band.maxValue);
    EXPECT_NEAR(band.minValue, ratio(0.1), 1e-12 * band.maxValue);
    EXPECT_DOUBLE_EQ(band.maxFrequency, 0.01);
    const BandExtremes fromZero =
        MeasureOne(difference, {0.0, 0.1, BandQuantity::PowerPerSquaredFrequency});
    EXPECT_NEAR(fromZero.maxValue, 4 * kPi * kPi, 1e-9);
    EXPECT_DOUBLE_EQ(fromZero.maxFrequency, 0.0);
}

TEST(BandExtremesTest, TapsChangedInPlaceAreMeasuredAfresh) {
    // The same storage, measured, then changed: the answer must follow the new values.
    std::vector<double> taps = WindowedLowpass(301);
    const BandInterval stop{0.28, 0.5};
    const BandExtremes before = MeasureOne(taps, stop);
    taps[150] += 1e-3;
    ExpectMatchesReference(taps, 0.28, 0.5);
    EXPECT_NE(MeasureOne(taps, stop).maxValue, before.maxValue);
    // Bands of the same taps measured one by one and together agree.
    const std::vector<BandInterval> both{{0.0, 0.22}, stop};
    const std::vector<BandExtremes> together = MeasureBandExtremes(taps, both);
    EXPECT_EQ(together[0].maxValue, MeasureOne(taps, both[0]).maxValue);
    EXPECT_EQ(together[1].minValue, MeasureOne(taps, stop).minValue);
    EXPECT_NE(together[0].maxValue, together[1].maxValue);
}

// The symmetry of linear-phase taps puts exact zeros at 0 or half the sampling rate; summed
// in any order, the taps leave a residue there, by which a passband reaching the zero would be
// judged.
TEST(BandExtremesTest, ZerosThatTheSymmetryMakesAreExact) {
    std::vector<double> antisymmetric = RandomTaps(101, 5);
    for (std::size_t n = 0; n < 50; ++n) {
        antisymmetric[100 - n] = -antisymmetric[n];
    }
    antisymmetric[50] = 0.0;
    const BandExtremes fromZero = MeasureOne(antisymmetric, {0.0, 0.3});
    EXPECT_EQ(fromZero.minValue, 0.0);
    EXPECT_EQ(fromZero.minFrequency, 0.0);
    EXPECT_EQ(MeasureOne(antisymmetric, {0.3, 0.5}).minValue, 0.0);

    std::vector<double> symmetric = RandomTaps(100, 6);
    for (std::size_t n = 0; n < 50; ++n) {
        symmetric[99 - n] = symmetric[n];
    }
    const BandExtremes toHalf = MeasureOne(symmetric, {0.3, 0.5});
    EXPECT_EQ(toHalf.minValue, 0.0);
    EXPECT_EQ(toHalf.minFrequency, 0.5);
    // Taps without that symmetry have no such zero.
    symmetric[0] += 1e-3;
    EXPECT_GT(MeasureOne(symmetric, {0.3, 0.5}).minValue, 0.0);
}

TEST(BandExtremesTest, NoTapsMeasureNothing) {
    const BandInterval band{0.1, 0.2};
    const BandExtremes none = MeasureBandExtremes({}, std::span<const BandInterval>(&band, 1))[0];
    EXPECT_EQ(none.maxValue, 0.0);
    EXPECT_EQ(none.minValue, 0.0);
}

}  // namespace
}  // namespace tapwright
