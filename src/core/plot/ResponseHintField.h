#pragma once

#include <cstdint>

#include "math/ChannelSelection.h"

namespace tapwright {

// The coefficients a response plot evaluates, as its hints carry them in bits 8 to 11: the
// hints that open a plot, and the reopen hint a project file keeps for each open plot.
constexpr std::uint32_t ResponseHintField(ChannelSelection selection) {
    switch (selection) {
        case ChannelSelection::Quadrature:
            return 1;
        case ChannelSelection::InphaseAndQuadrature:
            return 2;
        case ChannelSelection::ComplexFilter:
            return 3;
        case ChannelSelection::Inphase:
            break;
    }
    return 0;
}

// The selection a hint's field asks for; a field that names none means Inphase.
constexpr ChannelSelection ResponseSelectionOfHintField(std::uint32_t field) {
    switch (field) {
        case 1:
            return ChannelSelection::Quadrature;
        case 2:
            return ChannelSelection::InphaseAndQuadrature;
        case 3:
            return ChannelSelection::ComplexFilter;
        default:
            return ChannelSelection::Inphase;
    }
}

}  // namespace tapwright
