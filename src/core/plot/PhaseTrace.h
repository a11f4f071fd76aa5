#pragma once

#include <span>

namespace tapwright {

// The steps that turn a trace of wrapped phases (degrees, as the evaluator returns them)
// into the unwrapped phase, the phase delay or the group delay. The frequencies are those
// the trace was evaluated at, in increasing order, in the unit of the sampling frequency;
// the delays come out in the reciprocal unit. Each step works on the points both arrays
// have, min(frequencies.size(), trace.size()).

// Removes the jumps of more than 180 degrees. The jumps are judged on the wrapped values
// as they came from the evaluator, the first point keeps its value.
void UnwrapPhase(std::span<double> phase);

// Unwrapped phase to phase delay -phase / (360 f). A point at frequency exactly 0, where the
// quotient is undefined, shows the delay of the nearest following point with a nonzero
// frequency, or without one that of the nearest preceding point; a trace with no other
// point shows 0.
void PhaseToPhaseDelay(std::span<const double> frequencies, std::span<double> phase);

// Unwrapped phase to group delay -(d phase / df) / 360, as the backward difference from
// each point to the one before it. A negative delay is never shown: such a point holds the
// last delay shown before it. A point whose difference is undefined holds it too: one at
// frequency exactly 0 (other than the first), or one at the same frequency as the point
// before. Points before the first delay that can be shown take that delay, so the trace
// starts level instead of showing a phase in degrees; the first point always shows the
// second point's value. A trace of one point, or one where no delay can be shown, is 0.
void PhaseToGroupDelay(std::span<const double> frequencies, std::span<double> phase);

}  // namespace tapwright
