#include "math/ErrorExtrema.h"

#include <cmath>

namespace tapwright {

namespace {

// A band holding fewer grid samples than this is sampled at kNarrowBandSamples points instead.
constexpr int kFewestGridSamples = 8;
constexpr int kNarrowBandSamples = 17;
// Golden-section steps: they shrink the bracket of two sample spacings by 0.618^n.
constexpr int kGoldenSteps = 20;
const double kGoldenRatio = (std::sqrt(5.0) - 1.0) / 2.0;

class BandError {
public:
    BandError(const ApproximationProblem& problem, const UniformSamples& response,
              SampledResponse kind, std::size_t band)
        : problem_(problem), response_(response), kind_(kind), band_(band) {}

    std::size_t Band() const { return band_; }
    double At(double f) const { return FromResponse(f, response_.At(f)); }
    double FromResponse(double f, double value) const {
        return kind_ == SampledResponse::Amplitude ? problem_.Error(band_, f, value)
                                                   : problem_.ReducedError(band_, f, value);
    }

private:
    const ApproximationProblem& problem_;
    const UniformSamples& response_;
    SampledResponse kind_;
    std::size_t band_;
};

struct Sample {
    double frequency;
    double error;
};

// The band's ends and the grid samples between them, or evenly spread points when the band
// is too narrow to hold enough grid samples.
std::vector<Sample> SampleBand(const ApproximationBand& band, const UniformSamples& response,
                               const BandError& error) {
    std::vector<Sample> samples;
    const int first = response.IndexBelow(band.lower) + 1;
    int last = response.IndexBelow(band.upper);
    if (response.Frequency(last) >= band.upper) {
        --last;
    }
    if (last - first + 1 < kFewestGridSamples) {
        const double step = (band.upper - band.lower) / (kNarrowBandSamples - 1);
        for (int i = 0; i < kNarrowBandSamples; ++i) {
            const double f = i + 1 == kNarrowBandSamples ? band.upper : band.lower + i * step;
            samples.push_back({f, error.At(f)});
        }
        return samples;
    }
    samples.reserve(static_cast<std::size_t>(last - first + 3));
    samples.push_back({band.lower, error.At(band.lower)});
    for (int m = first; m <= last; ++m) {
        const double f = response.Frequency(m);
        samples.push_back({f, error.FromResponse(f, response.Value(m))});
    }
    samples.push_back({band.upper, error.At(band.upper)});
    return samples;
}

// The peak of sign * error inside [low, high], which holds a sample above both ends.
Extremum RefinePeak(const BandError& error, double low, double high, double sign,
                    const Sample& best) {
    double a = low;
    double b = high;
    double c = b - kGoldenRatio * (b - a);
    double d = a + kGoldenRatio * (b - a);
    double ec = sign * error.At(c);
    double ed = sign * error.At(d);
    for (int step = 0; step < kGoldenSteps; ++step) {
        if (ec > ed) {
            b = d;
            d = c;
            ed = ec;
            c = b - kGoldenRatio * (b - a);
            ec = sign * error.At(c);
        } else {
            a = c;
            c = d;
            ec = ed;
            d = a + kGoldenRatio * (b - a);
            ed = sign * error.At(d);
        }
    }
    const double f = ec > ed ? c : d;
    const double peak = std::max(ec, ed);
    if (peak > sign * best.error) {
        return {f, sign * peak, error.Band()};
    }
    return {best.frequency, best.error, error.Band()};
}

void CollectBandExtrema(const std::vector<Sample>& samples, const BandError& error,
                        std::vector<Extremum>& extrema) {
    const std::size_t last = samples.size() - 1;
    extrema.push_back({samples[0].frequency, samples[0].error, error.Band()});
    for (std::size_t i = 1; i < last; ++i) {
        const double before = samples[i - 1].error;
        const double here = samples[i].error;
        const double after = samples[i + 1].error;
        const bool maximum = here >= before && here > after;
        const bool minimum = here <= before && here < after;
        if (maximum || minimum) {
            extrema.push_back(RefinePeak(error, samples[i - 1].frequency,
                                         samples[i + 1].frequency, maximum ? 1.0 : -1.0,
                                         samples[i]));
        }
    }
    extrema.push_back({samples[last].frequency, samples[last].error, error.Band()});
}

}  // namespace

std::vector<Extremum> FindErrorExtrema(const ApproximationProblem& problem,
                                       const UniformSamples& response, SampledResponse kind) {
    std::vector<Extremum> extrema;
    for (std::size_t b = 0; b < problem.bands.size(); ++b) {
        const BandError error(problem, response, kind, b);
        const std::vector<Sample> samples = SampleBand(problem.bands[b], response, error);
        CollectBandExtrema(samples, error, extrema);
    }
    return extrema;
}

}  // namespace tapwright
