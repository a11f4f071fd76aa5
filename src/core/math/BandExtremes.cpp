#include "math/BandExtremes.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstddef>
#include <functional>
#include <optional>

#include "math/Constants.h"
#include "math/ResponseEvaluator.h"
#include "math/ResponseQuantity.h"
#include "math/ResponseSpectrum.h"

namespace tapwright {

namespace {

using Complex = std::complex<double>;

// Samples per 1/N cycles. The cubic interpolant of the centred response between two
// samples is then off by about (pi / 32)^4 / 384 = 2.4e-7 of the local level.
constexpr double kSamplesPerCycle = 32.0;
// Short filters still get a grid fine enough for their few ripples.
constexpr std::size_t kMinGridTaps = 16;
// The candidates of each extreme that are evaluated again on the exact response.
constexpr std::size_t kExactCandidates = 4;
// Root finding on the interpolant stops at this width of its bracket (in units of one
// sample interval); the value is flat there, so its error is the square of this.
constexpr double kBracketWidth = 1e-9;
constexpr int kMaxBracketSteps = 60;

// The response and the transform of the centred ramp at one frequency.
struct ResponsePoint {
    double frequency = 0.0;
    Complex response;
    Complex ramp;
};

// Exact evaluation by Horner's rule, for the band edges, narrow bands and the leading
// candidates.
class ExactResponse {
public:
    explicit ExactResponse(std::span<const double> taps)
        : centre_(0.5 * static_cast<double>(taps.size() - 1)),
          response_(taps, {}, ChannelSelection::Inphase),
          ramp_(CentredRamp(taps, centre_), {}, ChannelSelection::Inphase) {
        const bool odd = taps.size() % 2 == 1;
        if (IsMirrored(taps, -1.0)) {
            zeroAtStart_ = true;
            zeroAtHalf_ = odd;
        } else if (IsMirrored(taps, 1.0)) {
            zeroAtHalf_ = !odd;
        }
    }

    double Centre() const { return centre_; }
    // Where the symmetry of linear-phase taps puts a zero of the response (at 0 for
    // antisymmetric taps, at half the sampling rate for antisymmetric taps of odd and
    // symmetric taps of even length), the response is exactly 0. Summed, the taps leave a
    // rounding residue there whose size depends on the order of summation, and a passband
    // reaching the zero would be judged by that residue.
    ResponsePoint At(double frequency) const {
        const bool structuralZero =
            (frequency == 0.0 && zeroAtStart_) || (frequency == 0.5 && zeroAtHalf_);
        return {frequency, structuralZero ? 0.0 : response_.Evaluate(frequency),
                ramp_.Evaluate(frequency)};
    }

private:
    // Whether each tap equals mirror times its mirror image (the centre tap of odd length
    // included, which antisymmetry makes 0).
    static bool IsMirrored(std::span<const double> taps, double mirror) {
        const std::size_t count = taps.size();
        for (std::size_t n = 0; n <= count / 2 && n < count; ++n) {
            if (taps[n] != mirror * taps[count - 1 - n]) {
                return false;
            }
        }
        return count > 0;
    }

    static std::vector<double> CentredRamp(std::span<const double> taps, double centre) {
        std::vector<double> ramp(taps.size());
        for (std::size_t n = 0; n < taps.size(); ++n) {
            ramp[n] = (static_cast<double>(n) - centre) * taps[n];
        }
        return ramp;
    }

    double centre_;
    ResponseEvaluator response_;
    ResponseEvaluator ramp_;
    bool zeroAtStart_ = false;
    bool zeroAtHalf_ = false;
};

// The band's quantity at a sample, and the sign of its slope there (the slope times a
// positive factor).
double ValueAt(const ResponsePoint& p, BandQuantity quantity, double centre) {
    const double power = std::norm(p.response);
    if (quantity == BandQuantity::Power) {
        return power;
    }
    if (p.frequency == 0.0) {
        // |H(f)|^2 / f^2 tends to |dH/df|^2 = (2 pi)^2 |G_c + c H|^2.
        return kTwoPi * kTwoPi * std::norm(p.ramp + centre * p.response);
    }
    return power / (p.frequency * p.frequency);
}

double TrendAt(const ResponsePoint& p, BandQuantity quantity) {
    // d|H|^2/df = 4 pi Im(conj(H) G_c).
    const double slope = std::imag(std::conj(p.response) * p.ramp);
    if (quantity == BandQuantity::Power) {
        return slope;
    }
    if (p.frequency == 0.0) {
        return 0.0;
    }
    // d(P / f^2)/df has the sign of f dP/df - 2 P.
    return kTwoPi * p.frequency * slope - std::norm(p.response);
}

// The cubic Hermite interpolant of the centred response e^(j 2 pi f c) H(f) between two
// samples, and the band's quantity on it.
class HermiteSegment {
public:
    HermiteSegment(const ResponsePoint& a, const ResponsePoint& b, double centre,
                   BandQuantity quantity)
        : start_(a.frequency), width_(b.frequency - a.frequency), quantity_(quantity) {
        Centre(a, centre, p0_, m0_);
        Centre(b, centre, p1_, m1_);
    }

    double Frequency(double t) const { return start_ + t * width_; }

    double Value(double t) const {
        const Complex q = At(t);
        if (quantity_ == BandQuantity::Power) {
            return std::norm(q);
        }
        const double f = Frequency(t);
        if (f == 0.0) {
            return std::norm(Slope(t)) / (width_ * width_);
        }
        return std::norm(q) / (f * f);
    }

    // The sign of the quantity's slope along t (times a positive factor).
    double Trend(double t) const {
        const Complex q = At(t);
        const double slope = std::real(std::conj(q) * Slope(t));
        if (quantity_ == BandQuantity::Power) {
            return slope;
        }
        return slope * Frequency(t) - std::norm(q) * width_;
    }

private:
    // The centred value and its derivative per unit of t.
    void Centre(const ResponsePoint& p, double centre, Complex& value, Complex& slope) const {
        const Complex turn = UnitCirclePoint(-p.frequency * centre);
        value = turn * p.response;
        slope = Complex(0.0, -kTwoPi * width_) * turn * p.ramp;
    }

    Complex At(double t) const {
        const double t2 = t * t;
        const double t3 = t2 * t;
        return (2 * t3 - 3 * t2 + 1) * p0_ + (t3 - 2 * t2 + t) * m0_ + (3 * t2 - 2 * t3) * p1_ +
               (t3 - t2) * m1_;
    }

    Complex Slope(double t) const {
        const double t2 = t * t;
        return (6 * t2 - 6 * t) * p0_ + (3 * t2 - 4 * t + 1) * m0_ + (6 * t - 6 * t2) * p1_ +
               (3 * t2 - 2 * t) * m1_;
    }

    double start_;
    double width_;
    BandQuantity quantity_;
    Complex p0_, m0_, p1_, m1_;
};

// A zero of trend(t) on [0, 1], where trend(0) and trend(1) have opposite signs, by regula
// falsi with the Illinois modification.
double BracketedZero(const std::function<double(double)>& trend, double t0, double t1) {
    double a = t0;
    double b = t1;
    double ta = trend(a);
    double tb = trend(b);
    int side = 0;
    for (int step = 0; step < kMaxBracketSteps && b - a > kBracketWidth; ++step) {
        double t = (a * tb - b * ta) / (tb - ta);
        if (!(t > a && t < b)) {
            t = 0.5 * (a + b);
        }
        const double tt = trend(t);
        if (tt == 0.0) {
            return t;
        }
        if ((tt > 0.0) == (ta > 0.0)) {
            a = t;
            ta = tt;
            if (side == -1) {
                tb *= 0.5;
            }
            side = -1;
        } else {
            b = t;
            tb = tt;
            if (side == 1) {
                ta *= 0.5;
            }
            side = 1;
        }
    }
    return 0.5 * (a + b);
}

struct Candidate {
    double value = 0.0;
    double frequency = 0.0;
};

// The running extremes of one band: every sample, and an interpolated extremum wherever
// the slope changes sign between two samples.
class BandScan {
public:
    BandScan(BandQuantity quantity, double centre) : quantity_(quantity), centre_(centre) {}

    void Visit(const ResponsePoint& p) {
        const double value = ValueAt(p, quantity_, centre_);
        const double trend = TrendAt(p, quantity_);
        Keep(value, p.frequency);
        if (previous_) {
            if (previousTrend_ > 0.0 && trend < 0.0) {
                Interpolate(*previous_, p, maxima_, true);
            } else if (previousTrend_ < 0.0 && trend > 0.0) {
                Interpolate(*previous_, p, minima_, false);
            }
        }
        previous_ = p;
        previousTrend_ = trend;
    }

    // The extremes, with the leading candidates evaluated on the exact response.
    BandExtremes Finish(const ExactResponse& exact) {
        Settle(maxima_, exact, true);
        Settle(minima_, exact, false);
        return extremes_;
    }

private:
    void Keep(double value, double frequency) {
        if (!seen_ || value > extremes_.maxValue) {
            extremes_.maxValue = value;
            extremes_.maxFrequency = frequency;
        }
        if (!seen_ || value < extremes_.minValue) {
            extremes_.minValue = value;
            extremes_.minFrequency = frequency;
        }
        seen_ = true;
    }

    void Interpolate(const ResponsePoint& a, const ResponsePoint& b, std::vector<Candidate>& found,
                     bool rising) const {
        const HermiteSegment segment(a, b, centre_, quantity_);
        const auto trend = [&segment](double t) { return segment.Trend(t); };
        // The interpolant's own slope must change sign as the samples' does.
        if ((trend(0.0) > 0.0) != rising || (trend(1.0) > 0.0) == rising) {
            return;
        }
        const double t = BracketedZero(trend, 0.0, 1.0);
        found.push_back({segment.Value(t), segment.Frequency(t)});
    }

    void Settle(std::vector<Candidate>& found, const ExactResponse& exact, bool largest) {
        const auto better = [largest](const Candidate& x, const Candidate& y) {
            return largest ? x.value > y.value : x.value < y.value;
        };
        const std::size_t leading = std::min(found.size(), kExactCandidates);
        std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(leading),
                          found.end(), better);
        for (std::size_t i = 0; i < found.size(); ++i) {
            Candidate c = found[i];
            if (i < leading) {
                c.value = ValueAt(exact.At(c.frequency), quantity_, centre_);
            }
            if (largest && c.value > extremes_.maxValue) {
                extremes_.maxValue = c.value;
                extremes_.maxFrequency = c.frequency;
            } else if (!largest && c.value < extremes_.minValue) {
                extremes_.minValue = c.value;
                extremes_.minFrequency = c.frequency;
            }
        }
    }

    BandQuantity quantity_;
    double centre_;
    BandExtremes extremes_;
    bool seen_ = false;
    std::optional<ResponsePoint> previous_;
    double previousTrend_ = 0.0;
    std::vector<Candidate> maxima_;
    std::vector<Candidate> minima_;
};

// Chooses, band by band, between the shared FFT grid and Horner's rule on the band's own
// samples, whichever costs less.
class BandSampler {
public:
    explicit BandSampler(std::span<const double> taps)
        : taps_(taps.begin(), taps.end()),
          exact_(taps_),
          step_(1.0 /
                (kSamplesPerCycle * static_cast<double>(std::max(taps.size(), kMinGridTaps)))),
          fftLength_(FastTransformLength(static_cast<std::size_t>(std::ceil(1.0 / step_)))) {}

    bool Holds(std::span<const double> taps) const {
        return std::equal(taps.begin(), taps.end(), taps_.begin(), taps_.end());
    }

    BandExtremes Measure(const BandInterval& band) {
        const double lower = std::min(band.lower, band.upper);
        const double upper = std::max(band.lower, band.upper);
        BandScan scan(band.quantity, exact_.Centre());
        scan.Visit(exact_.At(lower));
        if (upper > lower) {
            if (UseSpectrum(lower, upper)) {
                VisitSpectrum(lower, upper, scan);
            } else {
                VisitDirect(lower, upper, scan);
            }
            scan.Visit(exact_.At(upper));
        }
        return scan.Finish(exact_);
    }

private:
    bool UseSpectrum(double lower, double upper) const {
        if (lower < 0.0 || upper > 0.5) {
            return false;
        }
        // Horner's rule takes a few cycles per tap and sample and runs twice per sample
        // (the response and the ramp); the transform, shared by all bands, takes a fraction
        // of a cycle per point and level.
        const double samples = std::ceil((upper - lower) / step_);
        const double direct = 8.0 * samples * static_cast<double>(taps_.size());
        const double length = static_cast<double>(fftLength_);
        return direct > length * std::log2(length);
    }

    void VisitDirect(double lower, double upper, BandScan& scan) const {
        const auto intervals = static_cast<std::size_t>(std::ceil((upper - lower) / step_));
        for (std::size_t i = 1; i < intervals; ++i) {
            const double t = static_cast<double>(i) / static_cast<double>(intervals);
            scan.Visit(exact_.At(lower + t * (upper - lower)));
        }
    }

    void VisitSpectrum(double lower, double upper, BandScan& scan) {
        if (!spectrum_) {
            spectrum_.emplace(taps_, fftLength_);
        }
        const ResponseSpectrum& grid = *spectrum_;
        const double length = static_cast<double>(grid.Length());
        auto k = static_cast<std::size_t>(std::floor(lower * length));
        while (k < grid.Size() && grid.Frequency(k) <= lower) {
            ++k;
        }
        for (; k < grid.Size() && grid.Frequency(k) < upper; ++k) {
            scan.Visit({grid.Frequency(k), grid.Response(k), grid.CentredRamp(k)});
        }
    }

    std::vector<double> taps_;
    ExactResponse exact_;
    double step_;
    std::size_t fftLength_;
    std::optional<ResponseSpectrum> spectrum_;
};

// The taps measured last, with their sampler and the bands already measured on them. After a
// design, the band table, the verdict and the summary each ask for the same bands of the same
// taps, band by band or all at once; the measurement depends on nothing else, so its answers
// and its transform are kept until other taps come.
class LastMeasured {
public:
    void Use(std::span<const double> taps) {
        if (!sampler_ || !sampler_->Holds(taps)) {
            measured_.clear();
            sampler_.emplace(taps);
        }
    }

    BandExtremes Measure(const BandInterval& band) {
        const auto known =
            std::find_if(measured_.begin(), measured_.end(), [&band](const MeasuredBand& m) {
                return m.band.lower == band.lower && m.band.upper == band.upper &&
                       m.band.quantity == band.quantity;
            });
        if (known != measured_.end()) {
            return known->extremes;
        }
        const BandExtremes extremes = sampler_->Measure(band);
        measured_.push_back({band, extremes});
        return extremes;
    }

private:
    struct MeasuredBand {
        BandInterval band;
        BandExtremes extremes;
    };

    std::optional<BandSampler> sampler_;
    std::vector<MeasuredBand> measured_;
};

}  // namespace

std::vector<BandExtremes> MeasureBandExtremes(std::span<const double> taps,
                                              std::span<const BandInterval> bands) {
    std::vector<BandExtremes> extremes(bands.size());
    if (taps.empty()) {
        for (std::size_t i = 0; i < bands.size(); ++i) {
            extremes[i].minFrequency = extremes[i].maxFrequency = bands[i].lower;
        }
        return extremes;
    }
    thread_local LastMeasured last;
    last.Use(taps);
    std::transform(bands.begin(), bands.end(), extremes.begin(),
                   [](const BandInterval& band) { return last.Measure(band); });
    return extremes;
}

}  // namespace tapwright
