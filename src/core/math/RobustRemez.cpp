#include "math/RobustRemez.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "math/Alternation.h"
#include "math/Barycentric.h"
#include "math/CosineTaps.h"
#include "math/CosineTransforms.h"
#include "math/ErrorExtrema.h"
#include "math/UniformSamples.h"

namespace tapwright {

namespace {

constexpr double kTwoPiValue = 6.283185307179586;
// Problems of at most this many cosines start from evenly spread points.
constexpr int kShortestScaledProblem = 64;
// A shorter problem only gives the longer one its starting reference, which scaling spoils
// more than this anyway: it stops once its error is level to this spread.
constexpr double kScalingSpread = 0.01;
// Coarse steps in a row after which the exchange gives up: the deviation is then too small for
// the grid to resolve in double precision.
constexpr int kMaxCoarseSteps = 3;
// Iterations at one length before the exchange gives up.
constexpr int kMaxIterationsPerLength = 40;
// How far the grid of P may miss the levelled values on the reference, relative to the
// deviation, before the grid is taken from the barycentric form instead.
constexpr double kGridTolerance = 1e-3;
// A miss below this fraction of the largest levelled value is rounding, which no grid of
// double precision avoids: an error levelled below it cannot be resolved any better.
constexpr double kRoundingFloor = 1e-9;
// Iterations in which neither the deviation grows nor the best spread halves, after which the
// exchange stops: the error is then as level as double precision lets it be.
constexpr int kMaxStalledIterations = 3;
constexpr double kDeviationGrowth = 1e-6;

// Where an exchange at one length ended: its best iteration.
struct LevelOutcome {
    bool converged = false;
    double deviation = 0.0;
    double spread = 1.0;
    std::vector<double> coefficients;  // of P, empty when nothing could be levelled
    std::vector<ReferencePoint> reference;
};

// One exchange at a fixed number of cosines.
class Exchange {
public:
    Exchange(const ApproximationProblem& problem, double levelledSpread,
             const ExchangeProgress& progress, int& counter)
        : problem_(problem),
          levelledSpread_(levelledSpread),
          progress_(progress),
          counter_(counter),
          intervals_(SamplingIntervals(problem.numCosines)) {}

    LevelOutcome Run(std::vector<ReferencePoint> reference);

private:
    // Levels the error on the reference: P(x_k) = D_k -+ delta / W_k. False when the
    // reference cannot be levelled (coinciding points, values that are not numbers).
    bool Level(const std::vector<ReferencePoint>& reference);
    double Interpolate(double f) const {
        return BarycentricInterpolate(nodes_, weights_, values_, std::cos(kTwoPiValue * f));
    }
    std::vector<double> CosineCoefficients() const;
    bool GridMatchesReference(const std::vector<ReferencePoint>& reference,
                              const UniformSamples& grid) const;
    std::vector<Extremum> CoarseCandidates(const std::vector<ReferencePoint>& reference) const;

    const ApproximationProblem& problem_;
    const double levelledSpread_;
    const ExchangeProgress& progress_;
    int& counter_;
    const int intervals_;
    std::vector<double> nodes_;
    std::vector<double> weights_;
    std::vector<double> values_;
    std::vector<double> levelWeights_;  // W Q on the reference
    double deviation_ = 0.0;
};

bool Exchange::Level(const std::vector<ReferencePoint>& reference) {
    const std::size_t count = reference.size();
    nodes_.resize(count);
    values_.resize(count);
    levelWeights_.resize(count);
    std::vector<double> desired(count);
    for (std::size_t k = 0; k < count; ++k) {
        const double f = reference[k].frequency;
        const double q = problem_.Q(f);
        nodes_[k] = std::cos(kTwoPiValue * f);
        desired[k] = problem_.Desired(reference[k].band, f) / q;
        levelWeights_[k] = problem_.Weight(reference[k].band, f) * q;
    }
    weights_ = BarycentricWeights(nodes_);
    double numerator = 0.0;
    double denominator = 0.0;
    for (std::size_t k = 0; k < count; ++k) {
        const double sign = k % 2 == 0 ? 1.0 : -1.0;
        numerator += weights_[k] * desired[k];
        denominator += sign * weights_[k] / levelWeights_[k];
    }
    deviation_ = numerator / denominator;
    for (std::size_t k = 0; k < count; ++k) {
        const double sign = k % 2 == 0 ? 1.0 : -1.0;
        values_[k] = desired[k] - sign * deviation_ / levelWeights_[k];
    }
    return std::isfinite(deviation_) &&
           std::all_of(values_.begin(), values_.end(), [](double v) { return std::isfinite(v); });
}

std::vector<double> Exchange::CosineCoefficients() const {
    const std::vector<double> points = ChebyshevPoints(problem_.numCosines);
    std::vector<double> samples(points.size());
    for (std::size_t j = 0; j < points.size(); ++j) {
        samples[j] = BarycentricInterpolate(nodes_, weights_, values_, points[j]);
    }
    return ChebyshevCoefficients(samples);
}

// The grid read through the cosine coefficients is exact to rounding of the largest value of
// P on [-1, 1]. Where a poor reference makes P huge somewhere (between widely spaced points
// near a band's end), that rounding swamps the error in the bands; the levelled values on the
// reference show it.
bool Exchange::GridMatchesReference(const std::vector<ReferencePoint>& reference,
                                    const UniformSamples& grid) const {
    double largest = 0.0;
    for (const double v : values_) {
        largest = std::max(largest, std::fabs(v));
    }
    const double floor = kRoundingFloor * largest;
    for (std::size_t k = 0; k < reference.size(); ++k) {
        const double miss = grid.At(reference[k].frequency) - values_[k];
        const double tolerance =
            std::max(kGridTolerance * std::fabs(deviation_ / levelWeights_[k]), floor);
        if (!(std::fabs(miss) <= tolerance)) {
            return false;
        }
    }
    return true;
}

// Candidates for the next reference when the grid cannot be trusted: the reference points,
// the points halfway between neighbours in one band and the band ends, with the error of the
// barycentric form of P, which is accurate wherever P is moderate however large it is
// elsewhere. A coarse step, but it moves the reference towards the large errors that make the
// grid fail.
std::vector<Extremum> Exchange::CoarseCandidates(
    const std::vector<ReferencePoint>& reference) const {
    std::vector<Extremum> candidates;
    candidates.reserve(2 * reference.size() + 2 * problem_.bands.size());
    const auto errorAt = [this](std::size_t band, double f) {
        return problem_.ReducedError(band, f, Interpolate(f));
    };
    for (std::size_t k = 0; k < reference.size(); ++k) {
        const ReferencePoint& p = reference[k];
        const double sign = k % 2 == 0 ? 1.0 : -1.0;
        candidates.push_back({p.frequency, -sign * deviation_, p.band});
        if (k + 1 < reference.size() && reference[k + 1].band == p.band) {
            const double f = 0.5 * (p.frequency + reference[k + 1].frequency);
            candidates.push_back({f, errorAt(p.band, f), p.band});
        }
    }
    for (std::size_t b = 0; b < problem_.bands.size(); ++b) {
        for (const double f : {problem_.bands[b].lower, problem_.bands[b].upper}) {
            candidates.push_back({f, errorAt(b, f), b});
        }
    }
    std::stable_sort(
        candidates.begin(), candidates.end(),
        [](const Extremum& a, const Extremum& b) { return a.frequency < b.frequency; });
    return candidates;
}

LevelOutcome Exchange::Run(std::vector<ReferencePoint> reference) {
    const auto count = static_cast<std::size_t>(problem_.numCosines) + 1;
    LevelOutcome best;
    LevelOutcome latest;  // what a run that never levels leaves, rather than nothing
    int coarseSteps = 0;
    int stalled = 0;
    double previousDeviation = 0.0;
    for (int iteration = 0; iteration < kMaxIterationsPerLength; ++iteration) {
        ++counter_;
        if (progress_) {
            progress_(counter_);
        }
        if (reference.size() != count || !Level(reference)) {
            break;
        }
        std::vector<double> coefficients = CosineCoefficients();
        const std::vector<double> grid = CosineSumOnGrid(coefficients, intervals_);
        const UniformSamples samples(grid);
        bool accurate = GridMatchesReference(reference, samples);
        std::vector<Extremum> next;
        if (accurate) {
            next = SelectAlternatingSet(
                FindErrorExtrema(problem_, samples, SampledResponse::Reduced), count);
            // Too few alternations on a grid that matches the reference: the error is so
            // small that rounding of P where it is poorly conditioned (between the bands)
            // hides extrema. The barycentric form still gives a coarse step.
            accurate = next.size() == count;
        }
        coarseSteps = accurate ? 0 : coarseSteps + 1;
        if (coarseSteps > kMaxCoarseSteps) {
            break;
        }
        if (!accurate) {
            next = SelectAlternatingSet(CoarseCandidates(reference), count);
        }
        if (next.size() != count) {
            break;
        }
        const double spread = RelativeSpread(next);
        reference = ToReference(next);
        if (!accurate) {
            latest = {false, std::fabs(deviation_), spread, std::move(coefficients), reference};
            continue;
        }
        // Taps are made from coefficients that represent P faithfully where there are any.
        const double deviation = std::fabs(deviation_);
        const bool progressed = best.coefficients.empty() || spread < 0.5 * best.spread ||
                                deviation > previousDeviation * (1.0 + kDeviationGrowth);
        stalled = progressed ? 0 : stalled + 1;
        previousDeviation = deviation;
        if (best.coefficients.empty() || spread < best.spread) {
            best = {false, deviation, spread, std::move(coefficients), reference};
        }
        if (spread <= levelledSpread_) {
            best.converged = true;
            break;
        }
        if (stalled >= kMaxStalledIterations) {
            break;
        }
    }
    return best.coefficients.empty() ? latest : best;
}

// What the lengths an exchange passed through tell about the depth double precision can
// reach: the longest problem that converged, and the shortest that did not.
struct Reach {
    LevelOutcome longest;
    int longestCosines = 0;
    int shortestFailed = std::numeric_limits<int>::max();

    void Record(const LevelOutcome& outcome, int numCosines) {
        if (outcome.converged && numCosines > longestCosines) {
            longest = outcome;
            longestCosines = numCosines;
        } else if (!outcome.converged) {
            shortestFailed = std::min(shortestFailed, numCosines);
        }
    }
};

LevelOutcome Solve(const ApproximationProblem& problem, double levelledSpread,
                   std::span<const ReferencePoint> start, const ExchangeProgress& progress,
                   int& counter, Reach& reach) {
    const auto count = static_cast<std::size_t>(problem.numCosines) + 1;
    std::vector<ReferencePoint> reference;
    if (start.size() == count) {
        reference.assign(start.begin(), start.end());
    } else if (problem.numCosines <= kShortestScaledProblem) {
        reference = EvenReference(problem, count);
    } else {
        ApproximationProblem shorter = problem;
        shorter.numCosines = problem.numCosines / 2;
        const LevelOutcome coarse = Solve(shorter, kScalingSpread, {}, progress, counter, reach);
        reference = coarse.reference.empty() ? EvenReference(problem, count)
                                             : ScaleReference(problem, coarse.reference, count);
    }
    LevelOutcome outcome =
        Exchange(problem, levelledSpread, progress, counter).Run(std::move(reference));
    reach.Record(outcome, problem.numCosines);
    return outcome;
}

// The taps of the longest problem that converges, padded with zeros to the problem's length
// (its cosines are the first of the problem's, the others zero): when the optimum lies below
// what double precision resolves, they come closer to it than a failed exchange. The length
// is found by bisection between the longest that converged and the shortest that did not,
// each try starting from the scaled reference of the last that converged.
std::vector<double> LongestConvergedTaps(const ApproximationProblem& problem, Reach& reach,
                                         const ExchangeProgress& progress, int& counter) {
    int failed = std::min(reach.shortestFailed, problem.numCosines);
    // When even the shortest problem of the scaling failed, shorter ones are tried, halving
    // the length, until one converges.
    while (reach.longest.coefficients.empty() && failed > 1) {
        ApproximationProblem trial = problem;
        trial.numCosines = failed / 2;
        LevelOutcome outcome = Solve(trial, kScalingSpread, {}, progress, counter, reach);
        if (!outcome.converged) {
            failed = trial.numCosines;
        }
    }
    if (reach.longest.coefficients.empty()) {
        return {};
    }
    while (failed - reach.longestCosines > 1) {
        ApproximationProblem trial = problem;
        trial.numCosines = reach.longestCosines + (failed - reach.longestCosines) / 2;
        const auto count = static_cast<std::size_t>(trial.numCosines) + 1;
        LevelOutcome outcome = Exchange(trial, kScalingSpread, progress, counter)
                                   .Run(ScaleReference(trial, reach.longest.reference, count));
        if (outcome.converged) {
            reach.longest = std::move(outcome);
            reach.longestCosines = trial.numCosines;
        } else {
            failed = trial.numCosines;
        }
    }
    std::vector<double> cosines = reach.longest.coefficients;
    cosines.resize(static_cast<std::size_t>(problem.numCosines), 0.0);
    return TapsFromCosines(cosines, problem.oddSymmetry, problem.numTaps);
}

}  // namespace

RobustRemezResult RobustRemez(const ApproximationProblem& problem,
                              std::span<const ReferencePoint> start,
                              const ExchangeProgress& progress) {
    RobustRemezResult result;
    if (problem.bands.empty() || problem.numCosines < 1) {
        return result;
    }
    int counter = 0;
    Reach reach;
    LevelOutcome outcome = Solve(problem, kLevelledSpread, start, progress, counter, reach);
    // A start taken from a design that failed can be too poor to level from (its deviation
    // lost in rounding); the references of shorter problems, scaled up, then lead the way.
    if (!outcome.converged && !start.empty()) {
        LevelOutcome scaled = Solve(problem, kLevelledSpread, {}, progress, counter, reach);
        if (scaled.converged || outcome.coefficients.empty() ||
            (!scaled.coefficients.empty() && scaled.spread < outcome.spread)) {
            outcome = std::move(scaled);
        }
    }
    if (!outcome.converged) {
        result.shorterTaps = LongestConvergedTaps(problem, reach, progress, counter);
    }
    result.converged = outcome.converged;
    result.iterations = counter;
    result.deviation = outcome.deviation;
    result.spread = outcome.spread;
    if (!outcome.coefficients.empty()) {
        result.taps = TapsFromCosines(outcome.coefficients, problem.oddSymmetry, problem.numTaps);
    }
    result.reference = std::move(outcome.reference);
    return result;
}

}  // namespace tapwright
