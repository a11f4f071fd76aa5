#pragma once

#include <cstdint>
#include <string>

#include "platform/UserInterface.h"

namespace tapwright {

// How an optimisation ended, as the user is told: a message box with this text and icon,
// and the same text on the status line.
struct OptimizeOutcome {
    std::string text;
    MessageIcon icon = MessageIcon::Information;
};

// The outcome for the design an optimisation ended on: a failure when its design margin
// (dB) is not at least 0; a warning that a shorter filter may exist when the margin is
// above 1 dB on more than 10 taps; a success otherwise.
OptimizeOutcome DescribeOptimizeOutcome(double designMargin, std::int32_t numTaps);

}  // namespace tapwright
