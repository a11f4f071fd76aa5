#include "cli/DesignSummary.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "design/FirData.h"

namespace tapwright::cli {

namespace {

const char* ResponseName(ResponseType type) {
    switch (type) {
        case ResponseType::Differentiator:
            return "differentiator";
        case ResponseType::Hilbert:
            return "hilbert";
        case ResponseType::Filter:
            break;
    }
    return "filter";
}

std::vector<double> Samples(const CDataColumn& column) {
    std::vector<double> samples(static_cast<std::size_t>(column.GetNumPoints()));
    for (std::int32_t i = 0; i < column.GetNumPoints(); ++i) {
        samples[static_cast<std::size_t>(i)] = column.GetAt(i);
    }
    return samples;
}

BandSummary SummarizeBand(const CFirData& filter, std::int32_t band,
                          const CFirData::BandMeasurement& measured) {
    const double fs = filter.GetSampleRate();
    BandSummary summary;
    summary.lower = filter.GetLowerEdge(band) * fs;
    summary.upper = filter.GetUpperEdge(band) * fs;
    summary.desired = filter.GetDesiredGain(band);
    summary.weight = filter.GetBandWeight(band);
    summary.passband = filter.IsPassband(band);
    summary.specDb = filter.GetAttnRippleDisplay(band, true);
    summary.actualDb = measured.actualDb;
    summary.marginDb = measured.marginDb;
    summary.worstFrequency = measured.worstFrequency * fs;
    summary.passes = summary.marginDb >= 0.0;
    return summary;
}

std::string Printed(const char* format, double value) {
    if (!std::isfinite(value)) {
        return "-";
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

const char* Verdict(bool passes) {
    return passes ? "PASS" : "FAIL";
}

void WriteBands(std::ostream& out, const DesignSummary& summary) {
    char line[256];
    std::snprintf(line, sizeof line, "%4s %12s %12s %10s %10s %5s %9s %9s %9s %12s  %s\n",
                  "Band", "Lower", "Upper", "Desired", "Weight", "Kind", "Spec dB", "Actual dB",
                  "Margin dB", "Worst at", "Verdict");
    out << line;
    int number = 1;
    for (const BandSummary& band : summary.bands) {
        std::snprintf(line, sizeof line, "%4d %12s %12s %10s %10s %5s %9s %9s %9s %12s  %s\n",
                      number++, Printed("%.6g", band.lower).c_str(),
                      Printed("%.6g", band.upper).c_str(), Printed("%.6g", band.desired).c_str(),
                      Printed("%.6g", band.weight).c_str(), band.passband ? "pass" : "stop",
                      Printed("%.3f", band.specDb).c_str(), Printed("%.3f", band.actualDb).c_str(),
                      Printed("%.3f", band.marginDb).c_str(),
                      Printed("%.6g", band.worstFrequency).c_str(), Verdict(band.passes));
        out << line;
    }
}

void WriteCoefficients(std::ostream& out, const DesignSummary& summary) {
    out << "Coefficients (n, Inphase, Quadrature):\n";
    char line[96];
    for (std::size_t i = 0; i < summary.inphase.size(); ++i) {
        const double quadrature = i < summary.quadrature.size() ? summary.quadrature[i] : 0.0;
        std::snprintf(line, sizeof line, "%6zu  %24.17g  %24.17g\n", i, summary.inphase[i],
                      quadrature);
        out << line;
    }
}

const char* EngineName(DesignEngine engine) {
    return engine == DesignEngine::Robust ? "robust" : "classic";
}

std::string EngineText(const std::optional<EngineOutcome>& engine) {
    if (!engine) {
        return "not known (projects do not keep it)";
    }
    return std::string(EngineName(engine->engine)) + ", equiripple spread " +
           Printed("%.3g", engine->spread) + (engine->level ? "" : " (did not converge)");
}

}  // namespace

DesignSummary Summarize(const CFirData& filter, std::optional<EngineOutcome> engine) {
    DesignSummary summary;
    summary.response = ResponseName(filter.GetResponseType());
    summary.fs = filter.GetSampleRate();
    summary.units = filter.GetFrequencyUnits().FrequencyUnit();
    summary.taps = filter.GetNumTaps();
    summary.grid = filter.GetGridDensity();
    // Every band is measured once, on the whole continuous band.
    const CFirData::SpecMeasurement measured = filter.MeasureSpecification();
    for (std::int32_t band = 0; band < filter.GetNumBands(); ++band) {
        summary.bands.push_back(
            SummarizeBand(filter, band, measured.bands[static_cast<std::size_t>(band)]));
    }
    if (summary.HasSpecification()) {
        summary.designMarginDb = measured.designMarginDb;
    }
    summary.meetsSpec = measured.meetsSpec;
    summary.engine = engine;
    summary.inphase = Samples(filter.Inphase());
    summary.quadrature = Samples(filter.Quadrature());
    return summary;
}

Json ToJson(const DesignSummary& summary) {
    Json bands = Json::array();
    for (const BandSummary& band : summary.bands) {
        bands.push_back({{"lower", band.lower},
                         {"upper", band.upper},
                         {"desired", band.desired},
                         {"weight", band.weight},
                         {"kind", band.passband ? "pass" : "stop"},
                         {"spec_db", band.specDb},
                         {"actual_db", band.actualDb},
                         {"margin_db", band.marginDb},
                         {"worst_frequency", band.worstFrequency},
                         {"pass", band.passes}});
    }
    Json json;
    json["response"] = summary.response;
    json["fs"] = summary.fs;
    json["units"] = summary.units;
    json["taps"] = summary.taps;
    json["grid"] = summary.grid;
    json["bands"] = std::move(bands);
    json["design_margin_db"] = summary.designMarginDb ? Json(*summary.designMarginDb) : Json();
    json["meets_spec"] = summary.meetsSpec;
    json["engine"] = summary.engine ? Json(EngineName(summary.engine->engine)) : Json();
    json["equiripple_spread"] = summary.engine ? Json(summary.engine->spread) : Json();
    json["coefficients"] = {{"inphase", summary.inphase}, {"quadrature", summary.quadrature}};
    return json;
}

void WriteTable(std::ostream& out, const DesignSummary& summary) {
    out << "Response:       " << summary.response << '\n'
        << "Sampling rate:  " << Printed("%.10g", summary.fs) << ' ' << summary.units << '\n'
        << "Taps:           " << summary.taps << '\n'
        << "Grid density:   " << summary.grid << "\n\n";
    if (summary.HasSpecification()) {
        WriteBands(out, summary);
        out << "\nDesign margin:  " << Printed("%.3f", *summary.designMarginDb) << " dB\n"
            << "Verdict:        " << Verdict(summary.meetsSpec) << '\n';
    } else {
        out << "Verdict:        no specification\n";
    }
    out << "Engine:         " << EngineText(summary.engine) << "\n\n";
    WriteCoefficients(out, summary);
}

}  // namespace tapwright::cli
