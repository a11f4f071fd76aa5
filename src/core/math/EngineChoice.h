#pragma once

#include <span>

#include "math/ExchangeProgress.h"
#include "math/ResponseType.h"

namespace tapwright {

// The exchange that produced a design's taps.
enum class DesignEngine {
    Classic,  // the exchange on the dense grid
    Robust    // the exchange on the continuous bands
};

// Which engine made a design and how level its weighted error is on the continuous bands.
struct EngineOutcome {
    DesignEngine engine = DesignEngine::Classic;
    // Relative spread of |E| over the r + 1 largest alternating extrema; 1 when unknown.
    double spread = 1.0;
    // Whether some engine reached a level result (spread within kLevelSpread).
    bool level = false;
};

// The spread up to which a design counts as equiripple.
inline constexpr double kLevelSpread = 0.01;

// Designs with the classic exchange where it is fast and keeps it when it converged and its
// error is level on the continuous bands; otherwise, and straight away for lengths above
// kLongestClassicTaps, runs the exchange on the continuous bands, and keeps whichever taps
// have the smaller peak weighted error. Arguments as for RemezDesign; both engines call progress
// at the start of every iteration. h is untouched when neither engine can design the arguments.
EngineOutcome DesignEquiripple(ResponseType type, int numTaps, int density, int numBands,
                               std::span<const double> edges, std::span<const double> desired,
                               std::span<const double> weights, std::span<double> h,
                               const ExchangeProgress& progress);

// Beyond this length the grid exchange, followed by the few iterations the continuous one
// needs from its extremal set, takes longer than the continuous exchange alone (measured on
// lowpass designs: equal at 1,023 taps, 40 against 38 ms at 1,535, 80 against 62 ms at
// 2,047), and from about 2,000 taps on it no longer reaches the optimum at all.
inline constexpr int kLongestClassicTaps = 1023;

}  // namespace tapwright
