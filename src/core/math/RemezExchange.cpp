#include "math/RemezExchange.h"

#include <algorithm>
#include <cmath>

#include "math/Barycentric.h"
#include "math/CosineTransforms.h"

namespace tapwright {

namespace {

// A point beyond the ends of the extremal set must beat the deviation like every other
// candidate, and by more than rounding. Accepting any error of the right sign would trade a
// true extremal point for a smaller error; the deviation would then fall and the design stall
// far from the optimum.
constexpr double kEndPointMargin = 1.00001;

// An estimate settles a comparison only when it lies far from the level: a thousand times as
// far as the estimate misses P on the nodes, where P is known exactly, and never less than a
// thousandth of the deviation. Early on, when the errors between the nodes dwarf the
// deviation, the misses set the margin; near the optimum the deviation does.
constexpr double kMarginPerMiss = 1e3;
constexpr double kLeastMargin = 1e-3;
// A margin this many times the deviation settles next to nothing: the errors that decide a
// sweep are of the deviation's size.
constexpr double kHopelessMargin = 1e6;
// Shorter problems evaluate their errors quickly enough that the estimate, and the transforms
// it has to plan for each new length, do not pay.
constexpr int kFewestNodesForEstimate = 256;

// Nodes are multiplied into the barycentric weights in this many interleaved groups, so that
// the running product neither overflows nor underflows for long filters.
int ProductGroups(int numCosines) {
    return (numCosines - 1) / 15 + 1;
}

}  // namespace

RemezExchange::RemezExchange(const RemezGrid& grid, int numCosines, ErrorEstimates estimates)
    : grid_(grid),
      numNodes_(numCosines + 1),
      estimates_(estimates),
      extremal_(Index(numNodes_) + 1),
      nodePoint_(Index(numNodes_)),
      node_(Index(numNodes_)),
      barycentric_(Index(numNodes_)),
      nodeValue_(Index(numNodes_)),
      error_(Index(grid.Size())),
      errorIteration_(Index(grid.Size()), 0),
      estimated_(Index(grid.Size())),
      estimatedIteration_(Index(grid.Size()), 0) {
    // Start from points spread evenly over the grid, the last one on its last point.
    const double step = static_cast<double>(grid.Size() - 1) / numCosines;
    for (int j = 0; j < numCosines; ++j) {
        extremal_[Index(j)] = static_cast<int>(j * step + 1.0) - 1;
    }
    extremal_[Index(numCosines)] = grid.Size() - 1;
}

RemezStop RemezExchange::Run(const ExchangeProgress& progress) {
    double previous = -1.0;
    for (iteration_ = 1; iteration_ <= kMaxIterations; ++iteration_) {
        extremal_[Index(numNodes_)] = grid_.Size();
        if (progress) {
            progress(iteration_);
        }
        Level();
        // Each exchange must raise the deviation; if it does not, rounding has taken over.
        // The negated test also stops on a deviation that is not a number.
        if (!(deviation_ > previous)) {
            return RemezStop::DeviationStalled;
        }
        previous = deviation_;
        if (EstimatePays()) {
            BuildEstimate();
        }
        if (!Exchange()) {
            return RemezStop::Converged;
        }
    }
    iteration_ = kMaxIterations;
    return RemezStop::IterationLimit;
}

// Whether an estimate of P is worth making in this iteration: the problem is long enough, and
// the last estimate did not miss by so much that its margin settled nothing. Then the one
// after it is made again, as P settles from iteration to iteration.
bool RemezExchange::EstimatePays() const {
    if (estimates_ == ErrorEstimates::Unused || numNodes_ < kFewestNodesForEstimate) {
        return false;
    }
    return !(estimateIteration_ == iteration_ - 1 && estimateHopeless_);
}

// Finds the deviation delta and the values the polynomial must take on the extremal points so
// that the weighted error there is +-delta with alternating sign.
void RemezExchange::Level() {
    for (int j = 0; j < numNodes_; ++j) {
        nodePoint_[Index(j)] = extremal_[Index(j)];
        node_[Index(j)] = grid_.Cosine(extremal_[Index(j)]);
    }
    ComputeBarycentricWeights();

    double numerator = 0.0;
    double denominator = 0.0;
    double sign = 1.0;
    for (int j = 0; j < numNodes_; ++j) {
        const int k = nodePoint_[Index(j)];
        numerator += barycentric_[Index(j)] * grid_.Desired(k);
        denominator += sign * barycentric_[Index(j)] / grid_.Weight(k);
        sign = -sign;
    }
    deviation_ = numerator / denominator;
    firstSign_ = deviation_ > 0.0 ? -1 : 1;
    deviation_ = -firstSign_ * deviation_;

    sign = firstSign_;
    for (int j = 0; j < numNodes_; ++j) {
        const int k = nodePoint_[Index(j)];
        nodeValue_[Index(j)] = grid_.Desired(k) + sign * deviation_ / grid_.Weight(k);
        sign = -sign;
    }
}

// weight(k) = 1 / prod over j != k of 2 (x_k - x_j). The factors are taken in interleaved
// groups; the loops run over k innermost so that every weight gets the same factors in the
// same order as a product formed one weight at a time.
void RemezExchange::ComputeBarycentricWeights() {
    const int groups = ProductGroups(numNodes_ - 1);
    std::fill(barycentric_.begin(), barycentric_.end(), 1.0);
    double* weight = barycentric_.data();
    const double* x = node_.data();
    for (int group = 0; group < groups; ++group) {
        for (int j = group; j < numNodes_; j += groups) {
            const double xj = x[j];
            for (int k = 0; k < j; ++k) {
                weight[k] *= 2.0 * (x[k] - xj);
            }
            for (int k = j + 1; k < numNodes_; ++k) {
                weight[k] *= 2.0 * (x[k] - xj);
            }
        }
    }
    for (double& w : barycentric_) {
        w = 1.0 / w;
    }
}

double RemezExchange::Interpolate(double x) const {
    const double* weight = barycentric_.data();
    const double* node = node_.data();
    const double* value = nodeValue_.data();
    double numerator = 0.0;
    double denominator = 0.0;
    for (int j = 0; j < numNodes_; ++j) {
        const double c = weight[j] / (x - node[j]);
        denominator += c;
        numerator += c * value[j];
    }
    return numerator / denominator;
}

double RemezExchange::Error(int k) {
    const std::size_t i = Index(k);
    if (errorIteration_[i] != iteration_) {
        errorIteration_[i] = iteration_;
        error_[i] = (Interpolate(grid_.Cosine(k)) - grid_.Desired(k)) * grid_.Weight(k);
    }
    return error_[i];
}

// True when the signed error at k is above level, which then becomes that error.
bool RemezExchange::Exceeds(int k, int sign, double& level) {
    if (RuledOut(k, sign, level)) {
        return false;
    }
    const double signedError = sign * Error(k);
    if (signedError - level > 0.0) {
        level = signedError;
        return true;
    }
    return false;
}

bool RemezExchange::EstimateTrusted() const {
    return estimateIteration_ == iteration_;
}

double RemezExchange::EstimatedError(int k) {
    const std::size_t i = Index(k);
    if (estimatedIteration_[i] != iteration_) {
        estimatedIteration_[i] = iteration_;
        estimated_[i] = (estimate_->At(stencils_[i]) - grid_.Desired(k)) * grid_.Weight(k);
    }
    return estimated_[i];
}

// Whether the estimate of the error at k lies so far below level that the exact error cannot
// be above it.
bool RemezExchange::RuledOut(int k, int sign, double level) {
    if (!EstimateTrusted() || errorIteration_[Index(k)] == iteration_) {
        return false;
    }
    return sign * EstimatedError(k) - level < -estimateMargin_;
}

// Whether the signed error certainly rises or falls from point k to its neighbour next: the
// estimates of both may each miss by the margin, so they must differ by more than twice that.
RemezExchange::Slope RemezExchange::EstimatedSlope(int k, int next, int sign) {
    if (!EstimateTrusted()) {
        return Slope::Unsettled;
    }
    const double change = sign * (EstimatedError(next) - EstimatedError(k));
    if (change > 2.0 * estimateMargin_) {
        return Slope::Rising;
    }
    if (change < -2.0 * estimateMargin_) {
        return Slope::Falling;
    }
    return Slope::Unsettled;
}

// Samples P on a uniform grid of [0, 0.5] from its values at r Chebyshev points, and sets the
// margin of this iteration's estimates from how well the samples reproduce P on the nodes.
void RemezExchange::BuildEstimate() {
    // A deviation of zero leaves no room between the errors and the level.
    if (!(deviation_ > 0.0)) {
        return;
    }
    // P levels the error with one degree to spare, so r points hold it: r - 1 is its degree.
    // These are also the points and sizes the continuous exchange transforms at.
    const std::vector<double> points = ChebyshevPoints(numNodes_ - 1);
    std::vector<double> values(points.size());
    // The estimate is checked against the nodes below, so P may be evaluated here in any
    // order of summation; the interleaved one is the faster.
    for (std::size_t j = 0; j < points.size(); ++j) {
        values[j] = BarycentricInterpolate(node_, barycentric_, nodeValue_, points[j]);
        if (!std::isfinite(values[j])) {
            return;
        }
    }
    estimateSamples_ = CosineSumOnGrid(ChebyshevCoefficients(values),
                                       SamplingIntervals(static_cast<int>(points.size())));
    estimate_.emplace(estimateSamples_);
    if (stencils_.empty()) {
        stencils_.reserve(Index(grid_.Size()));
        for (int k = 0; k < grid_.Size(); ++k) {
            stencils_.push_back(estimate_->StencilAt(grid_.Frequency(k)));
        }
    }
    double worst = 0.0;
    for (int j = 0; j < numNodes_; ++j) {
        const int k = nodePoint_[Index(j)];
        const double miss = std::fabs(estimate_->At(stencils_[Index(k)]) - nodeValue_[Index(j)]);
        worst = std::max(worst, miss * std::fabs(grid_.Weight(k)));
    }
    if (std::isfinite(worst)) {
        estimateIteration_ = iteration_;
        estimateMargin_ = std::max(kLeastMargin * deviation_, kMarginPerMiss * worst);
        estimateHopeless_ = estimateMargin_ > kHopelessMargin * deviation_;
    }
}

// Climbs from k, whose signed error has just exceeded the level, while the error rises, short
// of end. Each step compares the error at the next point with the error at the current one,
// as an exact climb would; the estimate settles the steps whose outcome it leaves in no
// doubt, and only the others, near the peak, evaluate the exact errors.
int RemezExchange::Climb(int k, int step, int end, int sign, double level) {
    bool levelCurrent = true;  // whether level is the signed error at k
    while (step > 0 ? k + 1 < end : k - 1 > end) {
        const Slope slope = EstimatedSlope(k, k + step, sign);
        if (slope == Slope::Falling) {
            break;
        }
        if (slope == Slope::Unsettled) {
            if (!levelCurrent) {
                level = sign * Error(k);
                levelCurrent = true;
            }
            if (!Exceeds(k + step, sign, level)) {
                break;
            }
        } else {
            levelCurrent = false;
        }
        k += step;
    }
    return k;
}

// One sweep over the set and its ends. Returns whether the set changed, that is whether
// another iteration is needed.
bool RemezExchange::Exchange() {
    const int last = numNodes_ - 1;
    const int firstBefore = extremal_[0];
    const int lastBefore = extremal_[Index(last)];
    int lastSign = 0;
    const bool changed = SearchInterior(lastSign);

    int newFirst = 0;
    const bool foundBelow = SearchBelow(std::min(firstBefore, extremal_[0]), newFirst);
    int newLast = 0;
    if (SearchAbove(std::max(lastBefore, extremal_[Index(last)]), -lastSign, newLast)) {
        // A peak above the set wins over one below it: the lowest point makes room.
        std::copy(extremal_.begin() + 1, extremal_.begin() + numNodes_, extremal_.begin());
        extremal_[Index(last)] = newLast;
        return true;
    }
    if (foundBelow) {
        std::copy_backward(extremal_.begin(), extremal_.begin() + last,
                           extremal_.begin() + numNodes_);
        extremal_[0] = newFirst;
        return true;
    }
    return changed;
}

// Moves each extremal point onto the peak of the error around it, between its already moved
// lower neighbour and its not yet moved upper neighbour. lastSign receives the error sign of
// the last point. Returns whether any point moved.
bool RemezExchange::SearchInterior(int& lastSign) {
    bool changed = false;
    int low = -1;
    int sign = -firstSign_;
    for (int j = 0; j < numNodes_; ++j) {
        sign = -sign;
        const int up = extremal_[Index(j) + 1];
        const int old = extremal_[Index(j)];
        double level = deviation_;
        int peak = PeakAbove(old + 1, old + 2, up, sign, level);
        if (peak < 0) {
            peak = PeakBelow(old, low, changed, sign, level);
            if (peak >= 0) {
                extremal_[Index(j)] = peak;
                low = old;
                changed = true;
                continue;
            }
            // Nothing has moved yet: the rest of the gap above may still hold a peak.
            if (!changed) {
                peak = PeakAbove(old + 2, up, up, sign, level);
            }
        }
        if (peak >= 0) {
            extremal_[Index(j)] = peak;
            changed = true;
        }
        low = extremal_[Index(j)];
    }
    lastSign = sign;
    return changed;
}

// The first point in [from, to) whose signed error exceeds level, climbed up to its peak
// (short of end); -1 when there is none.
int RemezExchange::PeakAbove(int from, int to, int end, int sign, double& level) {
    for (int k = from; k < std::min(to, end); ++k) {
        if (Exceeds(k, sign, level)) {
            return Climb(k, 1, end, sign, level);
        }
    }
    return -1;
}

// Searches down from below point, above floor, the same way. Once some point of the sweep has
// moved, only a peak right next to this one counts.
int RemezExchange::PeakBelow(int point, int floor, bool adjacentOnly, int sign, double& level) {
    for (int k = point - 1; k > floor; --k) {
        if (Exceeds(k, sign, level)) {
            return Climb(k, -1, floor, sign, level);
        }
        if (adjacentOnly) {
            break;
        }
    }
    return -1;
}

// Looks below the set, up to end, for an error with the sign opposite to the first point's.
bool RemezExchange::SearchBelow(int end, int& found) {
    const int sign = -firstSign_;
    for (int k = 0; k < end; ++k) {
        double level = kEndPointMargin * deviation_;
        if (Exceeds(k, sign, level)) {
            found = Climb(k, 1, end, sign, level);
            return true;
        }
    }
    return false;
}

// Looks above the set, down to end, for an error of the given sign.
bool RemezExchange::SearchAbove(int end, int sign, int& found) {
    for (int k = grid_.Size() - 1; k > end; --k) {
        double level = kEndPointMargin * deviation_;
        if (Exceeds(k, sign, level)) {
            found = Climb(k, -1, end, sign, level);
            return true;
        }
    }
    return false;
}

}  // namespace tapwright
