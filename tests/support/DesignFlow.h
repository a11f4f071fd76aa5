#pragma once

#include <cstdint>

namespace tapwright {

class CFirData;

// The design operations of the filter run the way the editors' flows run them: a message an
// operation returns is shown through the installed user interface, and the questions of an
// optimisation are asked there. Tests that check what the user is told use these.

// Design with the message of a refusal or of a failed engine shown; true when the engine
// converged.
bool DesignShowing(CFirData& filter);

// The specification's check with its refusal shown; true when it can be designed.
bool ValidateShowing(const CFirData& filter);

// The tap count estimate with the reason against one shown, as the Estimate buttons show it.
std::int32_t EstimateShowing(const CFirData& filter);

// Optimize with its questions asked and its outcome shown in a box and on the status line;
// true when it designed something.
bool OptimizeAsking(CFirData& filter, std::int32_t maxTaps);

}  // namespace tapwright
