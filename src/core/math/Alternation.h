#pragma once

#include <span>
#include <vector>

#include "math/ErrorExtrema.h"

namespace tapwright {

// From extrema in ascending frequency, a set of count extrema whose errors alternate in sign
// and are as large as can be kept: of neighbours with the same sign the larger stays, and
// while there are too many the smallest goes (an end one where removing it alone keeps the
// alternation). Returns fewer than count when the error does not alternate that often.
std::vector<Extremum> SelectAlternatingSet(std::span<const Extremum> extrema, std::size_t count);

// (max |E| - min |E|) / max |E| over the set: 0 when the error is level on it. By de la Vallee
// Poussin's theorem the best error attainable lies between min |E| and max |E| of any
// alternating set of r + 1 extrema, so a small spread proves the design near the optimum.
// 1 for an empty set or one whose errors are all zero.
double RelativeSpread(std::span<const Extremum> set);

}  // namespace tapwright
