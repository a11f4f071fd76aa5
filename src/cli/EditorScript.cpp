#include "cli/EditorScript.h"

#include "cli/CliSession.h"
#include "cli/SpecArguments.h"
#include "design/FirData.h"
#include "editors/OneBand.h"
#include "editors/RspSpec.h"

namespace tapwright::cli {

namespace {

// "FS": the sampling-frequency dialog, answered with --fs and --units.
bool SetSampleRate(CliSession& session, CFirView& editor, const SpecArguments& spec) {
    const auto units = spec.SampleRate();
    if (!units) {
        return true;
    }
    session.Ui().AnswerSampleRate(*units);
    editor.OnSamplingFrequency();
    const CFirData* filter = editor.FirData();
    return filter != nullptr && filter->GetSampleRate() == units->GetSampleRate();
}

// A count of what the user interface refused, to tell whether a click was refused.
int Refusals(CliSession& session) {
    return session.Ui().ErrorCount() + session.Ui().DeclinedCount();
}

// The "in dB" box of a column, clicked when it is not yet as asked.
template <class Click>
bool SetUnit(CliSession& session, bool& box, bool wanted, Click click) {
    if (box == wanted) {
        return true;
    }
    const int before = Refusals(session);
    box = wanted;
    click();
    return Refusals(session) == before;
}

}  // namespace

bool FillSimpleEditor(CliSession& session, COneBand& editor, const SpecArguments& spec) {
    if (!SetSampleRate(session, editor, spec)) {
        return false;
    }
    editor.filterKind = spec.Kind();
    editor.numTaps = spec.Taps().value_or(0);
    editor.edge1 = spec.Edge1();
    editor.edge2 = spec.Edge2();
    editor.centerFrequency = spec.Center();
    editor.rippleDb = spec.RippleDb();
    editor.attenuationDb = spec.AttenuationDb();
    editor.gridDensity = spec.Grid().value_or(editor.gridDensity);
    return true;
}

bool FillBandEditor(CliSession& session, CRspSpec& editor, const SpecArguments& spec) {
    if (!SetSampleRate(session, editor, spec) ||
        !SetUnit(session, editor.gainInDb, spec.GainInDb(), [&] { editor.OnGainInDbClicked(); }) ||
        !SetUnit(session, editor.attnInDb, !spec.AttnLinear(),
                 [&] { editor.OnAttnInDbClicked(); })) {
        return false;
    }
    editor.responseTypeIndex = spec.ResponseTypeIndex();
    // Without a length an optimisation starts where Optimize itself does (from the estimate
    // or its own first guess); its shortest length lets the band editor offer it.
    editor.numTaps = spec.Taps().value_or(spec.Optimize() ? CFirData::kMinTaps : 0);
    editor.gridDensity = spec.Grid().value_or(editor.gridDensity);
    for (const BandArgument& band : spec.Bands()) {
        editor.lowerEntry = band.lower;
        editor.upperEntry = band.upper;
        editor.desiredEntry = band.desired;
        editor.attnEntry = band.value;
        const int before = Refusals(session);
        editor.OnAddClicked();
        // An added band empties the entry; a refused one stays typed, after a message.
        if (!editor.lowerEntry.empty() || Refusals(session) != before) {
            return false;
        }
    }
    return true;
}

}  // namespace tapwright::cli
