#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/JsonText.h"
#include "math/EngineChoice.h"

namespace tapwright {
class CFirData;
}

namespace tapwright::cli {

// One band as measured on the coefficients. Edges are in the unit of the sampling frequency.
struct BandSummary {
    double lower = 0.0;
    double upper = 0.0;
    double desired = 0.0;  // linear gain (the slope of a differentiator)
    double weight = 0.0;   // 1/delta
    bool passband = false;
    double specDb = 0.0;    // ripple or attenuation asked for
    double actualDb = 0.0;  // ripple or attenuation measured
    double marginDb = 0.0;
    double worstFrequency = 0.0;  // where the band is farthest from what it should be
    bool passes = false;
};

// What design and report print: the specification, how the coefficients measure against
// it, and the coefficients themselves.
struct DesignSummary {
    std::string response;
    double fs = 1.0;
    std::string units;
    std::int32_t taps = 0;
    std::int32_t grid = 0;
    std::vector<BandSummary> bands;
    // Nothing when there are no bands to measure.
    std::optional<double> designMarginDb;
    bool meetsSpec = false;
    // Which engine made the taps and how level their error is: known only right after a
    // design; projects do not keep it.
    std::optional<EngineOutcome> engine;
    std::vector<double> inphase;
    std::vector<double> quadrature;

    // Whether there is a specification to meet.
    bool HasSpecification() const { return !bands.empty(); }
};

DesignSummary Summarize(const CFirData& filter, std::optional<EngineOutcome> engine);

Json ToJson(const DesignSummary& summary);

// The same as a table a person reads.
void WriteTable(std::ostream& out, const DesignSummary& summary);

}  // namespace tapwright::cli
