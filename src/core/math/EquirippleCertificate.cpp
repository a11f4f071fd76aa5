#include "math/EquirippleCertificate.h"

#include <algorithm>
#include <cmath>

#include "math/Alternation.h"
#include "math/CosineTransforms.h"
#include "math/UniformSamples.h"

namespace tapwright {

namespace {

// Samples per tap on [0, 0.5]: 32 samples per period of the fastest term of the amplitude.
constexpr int kSamplesPerTap = 16;

}  // namespace

EquirippleCertificate CertifyEquiripple(std::span<const double> taps,
                                        const ApproximationProblem& problem) {
    EquirippleCertificate certificate;
    if (problem.bands.empty() || taps.empty()) {
        return certificate;
    }
    const std::vector<double> amplitude =
        AmplitudeOnGrid(taps, problem.oddSymmetry, SamplingIntervals(problem.numCosines));
    const UniformSamples samples(amplitude);
    const std::vector<Extremum> extrema =
        FindErrorExtrema(problem, samples, SampledResponse::Amplitude);
    for (const Extremum& e : extrema) {
        certificate.peakError = std::max(certificate.peakError, std::fabs(e.error));
    }
    const auto count = static_cast<std::size_t>(problem.numCosines) + 1;
    certificate.alternation = SelectAlternatingSet(extrema, count);
    if (certificate.alternation.size() == count) {
        certificate.spread = RelativeSpread(certificate.alternation);
    }
    return certificate;
}

}  // namespace tapwright
