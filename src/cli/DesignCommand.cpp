#include "cli/DesignCommand.h"

#include <iostream>

#include "cli/CliSession.h"
#include "cli/DesignSummary.h"
#include "cli/EditorScript.h"
#include "design/FirData.h"
#include "document/FirDoc.h"
#include "editors/RspSpec.h"

namespace tapwright::cli {

namespace {

CFirView* EditorOf(const CFirDoc& document) {
    for (CView* view : document.GetViews()) {
        if (auto* editor = dynamic_cast<CFirView*>(view)) {
            return editor;
        }
    }
    return nullptr;
}

// A tap count above the largest filter is cut to it when the user agrees (--yes), as the
// editors do.
bool AcceptTapLimit(CliSession& session, std::int32_t& taps) {
    if (taps <= CFirData::kMaxTaps) {
        return true;
    }
    if (!session.Ask(CFirData::TooManyTapsQuestion())) {
        return false;
    }
    taps = CFirData::kMaxTaps;
    return true;
}

}  // namespace

DesignCommand::DesignCommand(CLI::App& parent)
    : Command(parent, "design",
              "Design a filter from a simple or a band specification (exit 0 PASS, 1 FAIL)") {
    CLI::App& options = Options();
    spec_.AddTo(options);
    options
        .add_option("--project", project_,
                    "Save the project (.tws for a simple design, .twa for bands)")
        ->type_name("FILE");
    CLI::Option* exportOption =
        options.add_option("--export", export_, "Write the coefficients to this file")
            ->type_name("FILE");
    CLI::Option* formatOption = exportArguments_.AddTo(options);
    exportOption->needs(formatOption);
    formatOption->needs(exportOption);
    options.add_flag("--json", json_, "Print one JSON object instead of a table");
}

bool DesignCommand::CheckArguments(CliSession& session) {
    if (!spec_.Check(session)) {
        return false;
    }
    const TemplateId id = spec_.IsAdvanced() ? kTemplateAdvanced : kTemplateSimple;
    if (project_ && !HasProjectExtension(session.App(), *project_, id)) {
        session.Error(spec_.IsAdvanced()
                          ? "A design from bands is an advanced project: name it \".twa\"."
                          : "A simple design is a simple project: name it \".tws\".");
        return false;
    }
    return export_.empty() ||
           CheckFormatName(session, exportArguments_.format, FormatDirection::Write);
}

ExitCode DesignCommand::Run(CliSession& session) {
    if (!CheckArguments(session)) {
        return ExitCode::BadInput;
    }
    CFirDoc* document =
        session.NewProject(spec_.IsAdvanced() ? kTemplateAdvanced : kTemplateSimple);
    CFirView* editor = document != nullptr ? EditorOf(*document) : nullptr;
    if (editor == nullptr) {
        return ExitCode::BadInput;
    }
    ApplySampleRate(*document, spec_);
    auto* bandEditor = dynamic_cast<CRspSpec*>(editor);
    if (bandEditor != nullptr && !FillBandEditor(session, *bandEditor, spec_)) {
        return ExitCode::BadInput;
    }
    const bool designed = spec_.Optimize() ? Optimize(session, *document, *editor)
                                           : Design(session, *document, *editor);
    return designed ? Finish(session, *document) : ExitCode::BadInput;
}

bool DesignCommand::Specify(CliSession& session, CFirDoc& document, CFirView& editor,
                            std::int32_t taps) {
    if (auto* bandEditor = dynamic_cast<CRspSpec*>(&editor)) {
        bandEditor->numTaps = taps;
        return bandEditor->ControlsToSpec();
    }
    // The simple specification, refused with the messages of the simple editor.
    CFirData& filter = document.Filter();
    const SimpleSpec simple = spec_.Simple();
    if (const char* refusal = simple.FirstRefusal(filter.GetSampleRate())) {
        session.Error(SimpleSpec::IsBeyondFs(refusal) ? refusal + CFirView::SampleRateHint(filter)
                                                      : std::string(refusal));
        return false;
    }
    return simple.Apply(filter, taps);
}

bool DesignCommand::Design(CliSession& session, CFirDoc& document, CFirView& editor) {
    std::int32_t taps = spec_.Taps().value_or(0);
    if (!AcceptTapLimit(session, taps) || !Specify(session, document, editor, taps)) {
        return false;
    }
    CFirData& filter = document.Filter();
    if (taps < CFirData::kMinTaps && filter.CanEstimate()) {
        // A design without a usable tap count estimates one first: that is what the command
        // means, not a question for the user.
        session.Ui().NoteAnsweredYes(CFirView::kTooFewTapsQuestion);
        taps = filter.EstimateTaps();
        if (taps == 0) {
            session.Error("Nothing was designed.");
            return false;
        }
        // An estimate beyond the largest filter meets the same limit as a given length.
        if (!AcceptTapLimit(session, taps) || !Specify(session, document, editor, taps)) {
            return false;
        }
    }
    if (const auto refusal = filter.CheckSpecification()) {
        session.Error(*refusal);
        return false;
    }
    // A design whose engine failed is kept, as the editor keeps it: it is judged below.
    if (const DesignOutcome outcome = filter.Design(""); outcome.message) {
        session.Show(outcome.message->text, outcome.message->icon);
    }
    filter.SetDesigned(true);
    document.ShowAfterDesign();
    session.Ui().ShowResult(CFirView::DesignResultText(filter));
    return true;
}

bool DesignCommand::Optimize(CliSession& session, CFirDoc& document, CFirView& editor) {
    CFirData& filter = document.Filter();
    // The band editor offers Optimize only for a Filter it could design.
    const auto* bandEditor = dynamic_cast<const CRspSpec*>(&editor);
    if (bandEditor != nullptr && !bandEditor->IsOptimizeEnabled()) {
        if (filter.GetResponseType() != ResponseType::Filter) {
            session.Error("Optimize is offered for filter responses only.");
        } else {
            session.Error(
                filter.CheckSpecification().value_or("The specification cannot be optimized."));
        }
        return false;
    }
    // The band editor holds the length it was filled with.
    const std::int32_t taps =
        bandEditor != nullptr ? bandEditor->numTaps : spec_.Taps().value_or(0);
    if (!Specify(session, document, editor, taps)) {
        return false;
    }
    bool declined = false;
    const auto confirm = [&session, &declined](const std::string& question) {
        declined = !session.Ask(question);
        return !declined;
    };
    const auto outcome = filter.Optimize(CFirData::kOptimizeMaxTaps, confirm);
    if (!outcome) {
        // Optimize refuses a specification it cannot design without saying why; the check
        // that refused it says it here.
        if (!declined) {
            session.Error(filter.CheckSpecification().value_or("Nothing was designed."));
        }
        return false;
    }
    session.Ui().ShowResult(outcome->text);
    session.Show(outcome->text, outcome->icon);
    filter.SetDesigned(true);
    document.ShowAfterDesign();
    return filter.GetNumPoints() > 0;
}

ExitCode DesignCommand::Finish(CliSession& session, CFirDoc& document) {
    if (project_) {
        // The project's name is the document's title, from which the C and assembly
        // formats take their default names.
        document.SetPathName(*project_);
    }
    if (!export_.empty()) {
        const ExitCode exported = ExportCoefficients(session, document, export_, exportArguments_);
        if (exported != ExitCode::Success) {
            return exported;
        }
    }
    if (project_) {
        const ExitCode saved = session.SaveProject(document, *project_);
        if (saved != ExitCode::Success) {
            return saved;
        }
    }
    const CFirData& filter = document.Filter();
    const DesignSummary summary = Summarize(filter, filter.LastEngine());
    if (json_) {
        std::cout << JsonText(ToJson(summary));
    } else {
        WriteTable(std::cout, summary);
    }
    return VerdictOf(filter);
}

}  // namespace tapwright::cli
