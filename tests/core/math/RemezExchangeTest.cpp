#include "math/RemezExchange.h"

#include <gtest/gtest.h>

#include <vector>

#include "math/RemezGrid.h"

namespace tapwright {
namespace {

struct Problem {
    const char* name;
    ResponseType type;
    int numTaps;
    std::vector<double> edges;
    std::vector<double> desired;
    std::vector<double> weights;
};

struct Outcome {
    RemezStop stop;
    int iterations;
    double deviation;
    std::vector<int> points;
};

Outcome Exchange(const RemezGrid& grid, int numCosines, ErrorEstimates estimates) {
    RemezExchange exchange(grid, numCosines, estimates);
    const RemezStop stop = exchange.Run({});
    Outcome outcome{stop, exchange.Iterations(), exchange.Deviation(), {}};
    for (int j = 0; j < exchange.NumNodes(); ++j) {
        outcome.points.push_back(exchange.NodePoint(j));
    }
    return outcome;
}

// The sampled estimates only spare exact errors whose comparison they leave in no doubt, in the
// sweeps and in the climbs onto each peak: every iteration must move the same points, to the
// last bit of the deviation, as an exchange that evaluates every error exactly.
TEST(RemezExchangeTest, EstimatesChangeNoDecisionOfTheExchange) {
    const std::vector<Problem> problems = {
        {"lowpass", ResponseType::Filter, 1023, {0.0, 0.1, 0.105, 0.5}, {1.0, 0.0}, {1.0, 1.0}},
        {"bandpass",
         ResponseType::Filter,
         600,
         {0.0, 0.1, 0.12, 0.3, 0.32, 0.5},
         {0.0, 1.0, 0.0},
         {10.0, 1.0, 10.0}},
        {"hilbert", ResponseType::Hilbert, 511, {0.01, 0.49}, {1.0}, {1.0}},
    };
    for (const Problem& p : problems) {
        const RemezShape shape(p.type, p.numTaps, 16);
        const RemezBands bands{p.type, static_cast<int>(p.desired.size()), p.edges, p.desired,
                               p.weights};
        RemezGrid grid;
        ASSERT_TRUE(grid.Build(bands, shape)) << p.name;
        grid.MakeEquivalentProblem(shape);
        const Outcome estimated = Exchange(grid, shape.numCosines, ErrorEstimates::Used);
        const Outcome exact = Exchange(grid, shape.numCosines, ErrorEstimates::Unused);
        EXPECT_EQ(estimated.stop, RemezStop::Converged) << p.name;
        EXPECT_EQ(estimated.stop, exact.stop) << p.name;
        EXPECT_EQ(estimated.iterations, exact.iterations) << p.name;
        EXPECT_EQ(estimated.deviation, exact.deviation) << p.name;
        EXPECT_EQ(estimated.points, exact.points) << p.name;
    }
}

}  // namespace
}  // namespace tapwright
