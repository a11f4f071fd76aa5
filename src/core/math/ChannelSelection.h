#pragma once

namespace tapwright {

// Which coefficients of a filter something works on or shows. A filter has two channels of
// real coefficients, Inphase (I) and Quadrature (Q); they are either taken one at a time, both
// each on its own (two traces, two columns, or an operation applied to each), or together as
// the coefficients I + jQ of one complex filter.
//
// The values carry no numbers of their own: hints, command ids and dialog indices that store a
// selection convert it explicitly where they are made and read.
enum class ChannelSelection {
    Inphase,
    Quadrature,
    InphaseAndQuadrature,
    ComplexFilter,
};

// What a command or a coefficient view takes when the user has named no channel: the Inphase
// channel of real data, both channels of complex data.
constexpr ChannelSelection DefaultChannels(bool isReal) {
    return isReal ? ChannelSelection::Inphase : ChannelSelection::InphaseAndQuadrature;
}

}  // namespace tapwright
