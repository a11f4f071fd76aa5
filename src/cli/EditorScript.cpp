#include "cli/EditorScript.h"

#include "cli/CliSession.h"
#include "cli/SpecArguments.h"
#include "design/FirData.h"
#include "document/FirDoc.h"
#include "editors/RspSpec.h"

namespace tapwright::cli {

namespace {

// The units of the band table's columns, set while the table is still empty, so that no row
// has to be converted.
void SetUnits(CRspSpec& editor, const SpecArguments& spec) {
    CFirData& filter = *editor.FirData();
    filter.SetGainInDb(spec.GainInDb());
    filter.SetAttnInDb(!spec.AttnLinear());
    editor.SpecToControls();
}

// One --band into the table, checked as "Add" checks a typed band.
bool AddBand(CliSession& session, CRspSpec& editor, const BandArgument& band) {
    editor.lowerEntry = band.lower;
    editor.upperEntry = band.upper;
    editor.desiredEntry = band.desired;
    editor.attnEntry = band.value;
    const auto values = editor.ReadEntry();
    if (!values) {
        return false;
    }
    // "Add" would offer the sampling-frequency dialog, which the command line answers only
    // through --fs.
    if (editor.IsBeyondHalfFs(values->upper)) {
        session.Ui().NoteAnsweredNo(CRspSpec::kSetSampleRateQuestion,
                                    "give the sampling frequency with --fs");
        return false;
    }
    return editor.InsertBand(*values);
}

}  // namespace

void ApplySampleRate(CFirDoc& document, const SpecArguments& spec) {
    // The options have already refused a frequency that is not above 0.
    if (const auto units = spec.SampleRate()) {
        document.ApplySamplingFrequency(*units);
    }
}

bool FillBandEditor(CliSession& session, CRspSpec& editor, const SpecArguments& spec) {
    if (editor.FirData() == nullptr) {
        return false;
    }
    SetUnits(editor, spec);
    editor.responseTypeIndex = spec.ResponseTypeIndex();
    // Without a length an optimisation starts where Optimize itself does (from the estimate
    // or its own first guess); its shortest length lets the band editor offer it.
    editor.numTaps = spec.Taps().value_or(spec.Optimize() ? CFirData::kMinTaps : 0);
    editor.gridDensity = spec.Grid().value_or(editor.gridDensity);
    for (const BandArgument& band : spec.Bands()) {
        if (!AddBand(session, editor, band)) {
            return false;
        }
    }
    return true;
}

}  // namespace tapwright::cli
