#include "math/EngineChoice.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "math/ApproximationProblem.h"
#include "math/EquirippleCertificate.h"
#include "math/RemezDesign.h"
#include "math/RobustRemez.h"

namespace tapwright {

namespace {

// Frequencies within this distance of a band count as in it: the classic grid ends its bands
// on their edges up to rounding.
constexpr double kBandTolerance = 1e-9;

// The classic's extremal set as a starting reference, each point placed in its band; empty
// when a point lies in none.
std::vector<ReferencePoint> ClassicReference(const ApproximationProblem& problem,
                                             const std::vector<double>& frequencies) {
    std::vector<ReferencePoint> reference;
    for (const double f : frequencies) {
        const auto band = std::find_if(
            problem.bands.begin(), problem.bands.end(), [f](const ApproximationBand& b) {
                return f >= b.lower - kBandTolerance && f <= b.upper + kBandTolerance;
            });
        if (band == problem.bands.end()) {
            return {};
        }
        reference.push_back({std::clamp(f, band->lower, band->upper),
                             static_cast<std::size_t>(band - problem.bands.begin())});
    }
    return reference;
}

// The certificate's alternating extrema of the classic taps as a starting reference: they are
// where the continuous exchange's first iteration from the classic's extremal set would move
// it, so starting there saves that iteration. Empty when the error alternates too few times.
std::vector<ReferencePoint> CertifiedReference(const ApproximationProblem& problem,
                                               const EquirippleCertificate& certificate) {
    if (certificate.alternation.size() != static_cast<std::size_t>(problem.numCosines) + 1) {
        return {};
    }
    return ToReference(certificate.alternation);
}

struct Candidate {
    std::vector<double> taps;
    EquirippleCertificate certificate;
};

}  // namespace

EngineOutcome DesignEquiripple(ResponseType type, int numTaps, int density, int numBands,
                               std::span<const double> edges, std::span<const double> desired,
                               std::span<const double> weights, std::span<double> h,
                               const ExchangeProgress& progress) {
    EngineOutcome outcome;
    if (!RemezArgumentsUsable(type, numTaps, numBands, edges, desired, weights, h)) {
        return outcome;
    }
    const ApproximationProblem problem =
        MakeApproximationProblem(type, numTaps, density, numBands, edges, desired, weights);
    const auto length = static_cast<std::size_t>(numTaps);

    Candidate classic;
    std::vector<ReferencePoint> start;
    if (numTaps <= kLongestClassicTaps) {
        std::vector<double> taps(length, 0.0);
        RemezReport report;
        const int result = RemezDesign(type, numTaps, density, numBands, edges, desired, weights,
                                       taps, progress, report);
        if (report.iterations > 0) {
            classic.certificate = CertifyEquiripple(taps, problem);
            classic.taps = std::move(taps);
            if (result == 1 && classic.certificate.spread <= kLevelSpread) {
                std::copy(classic.taps.begin(), classic.taps.end(), h.begin());
                return {DesignEngine::Classic, classic.certificate.spread, true};
            }
            start = CertifiedReference(problem, classic.certificate);
            if (start.empty()) {
                start = ClassicReference(problem, report.extremalFrequencies);
            }
        }
    }

    const RobustRemezResult robust = RobustRemez(problem, start, progress);
    Candidate best = std::move(classic);
    outcome.engine = DesignEngine::Classic;
    // The continuous exchange's taps, and when it failed on an optimum below what double
    // precision resolves, those of a shorter design that converged, padded with zeros: each
    // replaces the best so far when its peak error is smaller.
    for (const std::vector<double>* taps : {&robust.taps, &robust.shorterTaps}) {
        if (taps->empty() ||
            !std::all_of(taps->begin(), taps->end(), [](double v) { return std::isfinite(v); })) {
            continue;
        }
        EquirippleCertificate certificate = CertifyEquiripple(*taps, problem);
        if (best.taps.empty() || certificate.peakError < best.certificate.peakError) {
            best = {*taps, std::move(certificate)};
            outcome.engine = DesignEngine::Robust;
        }
    }
    if (best.taps.empty()) {
        return outcome;
    }
    std::copy(best.taps.begin(), best.taps.end(), h.begin());
    outcome.spread = best.certificate.spread;
    outcome.level = outcome.spread <= kLevelSpread;
    return outcome;
}

}  // namespace tapwright
