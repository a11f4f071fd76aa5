#include "math/ErrorExtrema.h"

#include <algorithm>
#include <cmath>

namespace tapwright {

namespace {

// A band holding fewer grid samples than this is sampled at kNarrowBandSamples points instead.
constexpr int kFewestGridSamples = 8;
constexpr int kNarrowBandSamples = 17;
// The half-width of the second parabola's points, as a fraction of the room around the first
// vertex.
constexpr double kCloseStep = 0.125;

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

// The abscissa of the vertex of the parabola through three points, or b when they are
// collinear.
double Vertex(double a, double fa, double b, double fb, double c, double fc) {
    const double p = (b - a) * (fb - fc);
    const double q = (b - c) * (fb - fa);
    const double denominator = 2.0 * (p - q);
    if (denominator == 0.0) {
        return b;
    }
    return b - ((b - a) * p - (b - c) * q) / denominator;
}

// The peak of sign * error between the samples before and after best, which is above both:
// a parabola through the three samples, then one through its vertex and two points close
// beside it. Each step cuts the distance to the peak by the square of the sample spacing
// over the ripple width, so two of them place it far below the spacing.
Extremum RefinePeak(const BandError& error, const Sample& before, const Sample& best,
                    const Sample& after, double sign) {
    Extremum peak{best.frequency, best.error, error.Band()};
    const auto consider = [&](double f) {
        const double e = error.At(f);
        if (sign * e > sign * peak.error) {
            peak = {f, e, error.Band()};
        }
        return e;
    };
    const double low = before.frequency;
    const double high = after.frequency;
    const double first = std::clamp(
        Vertex(low, before.error, best.frequency, best.error, high, after.error), low, high);
    const double e0 = consider(first);
    const double step = kCloseStep * std::min(high - first, first - low);
    if (!(step > 0.0)) {
        return peak;
    }
    const double e1 = consider(first - step);
    const double e2 = consider(first + step);
    consider(std::clamp(Vertex(first - step, e1, first, e0, first + step, e2), low, high));
    return peak;
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
            extrema.push_back(RefinePeak(error, samples[i - 1], samples[i], samples[i + 1],
                                         maximum ? 1.0 : -1.0));
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
