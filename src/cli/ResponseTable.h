#pragma once

#include <cstdint>
#include <iosfwd>
#include <vector>

#include "math/ChannelSelection.h"

namespace tapwright {
class CFirData;
}

namespace tapwright::cli {

// What a response table shows per frequency.
enum class ResponseKind { Magnitude, Phase, UnwrappedPhase, PhaseDelay, GroupDelay };

// points frequencies evenly spaced from first to last, both included (first alone for one
// point).
std::vector<double> EvenlySpaced(double first, double last, std::int32_t points);

// The frequencies and one column of values per trace (two for both channels side by side).
struct ResponseTable {
    std::vector<double> frequencies;
    std::vector<std::vector<double>> traces;
};

// The response the plot of the kind shows, evaluated at the frequencies (in the unit of the
// sampling frequency, increasing): magnitude in dB held at the filter's floor, phase in
// degrees, unwrapped phase, or a delay in the reciprocal unit.
ResponseTable EvaluateResponse(const CFirData& filter, ResponseKind kind,
                               ChannelSelection selection, std::vector<double> frequencies);

// Tab-separated lines "frequency<TAB>value[<TAB>value2]", each number in the shortest form
// that reads back as the same double.
void WriteResponse(std::ostream& out, const ResponseTable& table);

}  // namespace tapwright::cli
