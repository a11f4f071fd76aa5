#pragma once

#include <optional>
#include <vector>

#include "math/ExchangeProgress.h"
#include "math/RemezGrid.h"
#include "math/UniformSamples.h"

namespace tapwright {

// Why the exchange stopped.
enum class RemezStop {
    Converged,        // a sweep moved no extremal point and found none beyond the ends
    IterationLimit,   // the iteration limit was reached; the last set is used as it stands
    DeviationStalled  // the levelled deviation did not grow, so the exchange cannot progress
};

// Whether the exchange settles comparisons far from their level from sampled estimates of the
// error. Either way it makes the same decisions; without estimates long filters take longer.
enum class ErrorEstimates { Used, Unused };

// The Remez exchange on a dense grid. It keeps r + 1 extremal grid points, finds the
// polynomial whose weighted error has equal size and alternating sign on them (the levelled
// deviation), and moves the points onto the peaks of that error until none moves.
class RemezExchange {
public:
    static constexpr int kMaxIterations = 25;

    // Allocates all the storage the iterations need. The grid must hold at least r + 1
    // points and must outlive the exchange.
    RemezExchange(const RemezGrid& grid, int numCosines,
                  ErrorEstimates estimates = ErrorEstimates::Used);
    // The estimate reads samples the exchange owns.
    RemezExchange(const RemezExchange&) = delete;
    RemezExchange& operator=(const RemezExchange&) = delete;

    // Runs the exchange, calling progress (when set) with the count at the start of every
    // iteration.
    RemezStop Run(const ExchangeProgress& progress);

    // The state of the last levelling, which the coefficients are computed from.
    int NumNodes() const { return numNodes_; }
    double Node(int j) const { return node_[Index(j)]; }            // cos 2 pi f of a point
    double NodeValue(int j) const { return nodeValue_[Index(j)]; }  // the polynomial there
    int NodePoint(int j) const { return nodePoint_[Index(j)]; }     // its grid index
    double Deviation() const { return deviation_; }
    int Iterations() const { return iteration_; }

    // The levelled polynomial at abscissa x = cos 2 pi f, in barycentric form. x must not be
    // one of the nodes.
    double Interpolate(double x) const;

private:
    static std::size_t Index(int j) { return static_cast<std::size_t>(j); }

    void Level();
    void ComputeBarycentricWeights();
    bool Exchange();
    bool SearchInterior(int& lastSign);
    int PeakAbove(int from, int to, int end, int sign, double& level);
    int PeakBelow(int point, int floor, bool adjacentOnly, int sign, double& level);
    bool SearchBelow(int end, int& found);
    bool SearchAbove(int end, int sign, int& found);

    // How the signed error changes from a point to its neighbour, when the estimate settles it.
    enum class Slope { Rising, Falling, Unsettled };

    double Error(int k);
    bool Exceeds(int k, int sign, double& level);
    bool EstimateTrusted() const;
    double EstimatedError(int k);
    bool RuledOut(int k, int sign, double level);
    Slope EstimatedSlope(int k, int next, int sign);
    bool EstimatePays() const;
    void BuildEstimate();
    int Climb(int k, int step, int end, int sign, double level);

    const RemezGrid& grid_;
    int numNodes_;
    ErrorEstimates estimates_;
    // Extremal grid points, plus one slot for the point past the last one (the grid's end
    // during the sweep, a point found beyond the ends afterwards).
    std::vector<int> extremal_;
    std::vector<int> nodePoint_;
    std::vector<double> node_;
    std::vector<double> barycentric_;
    std::vector<double> nodeValue_;
    // Errors evaluated in the current iteration: the searches visit some points twice.
    std::vector<double> error_;
    std::vector<int> errorIteration_;
    double deviation_ = 0.0;
    int firstSign_ = 1;  // sign of the error at the first extremal point
    int iteration_ = 0;
    // Long filters spend most of a sweep comparing errors, and the exact error costs a
    // division per node. P is therefore also sampled through its Chebyshev coefficients in
    // every iteration (but the first few, while P between the nodes dwarfs the deviation),
    // and the samples settle every comparison that is far from close, climbs up the flanks of
    // a peak included: the close ones, near each peak, are still evaluated exactly, so the
    // sweep decides as it always would.
    int estimateIteration_ = 0;      // the iteration the samples can be trusted in, if any
    double estimateMargin_ = 0.0;    // how far from a level an estimate must lie
    bool estimateHopeless_ = false;  // whether that margin dwarfed the deviation
    std::vector<double> estimateSamples_;
    // Where the estimate is read for each grid point: the samples always have the same size.
    std::vector<UniformSamples::Stencil> stencils_;
    // The estimated errors at the grid points, made once per iteration like the exact ones.
    std::vector<double> estimated_;
    std::vector<int> estimatedIteration_;
    std::optional<UniformSamples> estimate_;
};

}  // namespace tapwright
