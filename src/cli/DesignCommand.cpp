#include "cli/DesignCommand.h"

#include <iostream>

#include "cli/CliSession.h"
#include "cli/DesignSummary.h"
#include "cli/EditorScript.h"
#include "design/FirData.h"
#include "document/FirDoc.h"
#include "editors/OneBand.h"
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
    CliUserInterface& ui = session.Ui();
    // A design without a usable tap count estimates one first: that is what the command
    // means, not a question for the user.
    ui.AnswerYesTo(CFirView::kTooFewTapsQuestion);
    ui.AnswerNoTo(CRspSpec::kSetSampleRateQuestion, "give the sampling frequency with --fs");
    CFirDoc* document =
        session.NewProject(spec_.IsAdvanced() ? kTemplateAdvanced : kTemplateSimple);
    CFirView* editor = document != nullptr ? EditorOf(*document) : nullptr;
    if (editor == nullptr) {
        return ExitCode::BadInput;
    }
    const bool filled = spec_.IsAdvanced()
                            ? FillBandEditor(session, dynamic_cast<CRspSpec&>(*editor), spec_)
                            : FillSimpleEditor(session, dynamic_cast<COneBand&>(*editor), spec_);
    if (!filled || !Press(session, *editor)) {
        return ExitCode::BadInput;
    }
    return Finish(session, *document);
}

bool DesignCommand::Press(CliSession& session, CFirView& editor) {
    if (spec_.Optimize()) {
        return PressOptimize(session, editor);
    }
    const int errors = session.Ui().ErrorCount();
    const int declined = session.Ui().DeclinedCount();
    auto* bandEditor = dynamic_cast<CRspSpec*>(&editor);
    std::int32_t& taps =
        bandEditor != nullptr ? bandEditor->numTaps : dynamic_cast<COneBand&>(editor).numTaps;
    if (editor.DoDesign(taps)) {
        return true;
    }
    if (session.Ui().ErrorCount() == errors && session.Ui().DeclinedCount() == declined) {
        session.Error("Nothing was designed.");
    }
    return false;
}

bool DesignCommand::PressOptimize(CliSession& session, CFirView& editor) {
    CFirData& filter = *editor.FirData();
    const int errors = session.Ui().ErrorCount();
    const int declined = session.Ui().DeclinedCount();
    if (auto* bandEditor = dynamic_cast<CRspSpec*>(&editor)) {
        // The band editor offers Optimize only for a Filter it could design.
        if (!bandEditor->IsOptimizeEnabled()) {
            if (filter.GetResponseType() != ResponseType::Filter) {
                session.Error("Optimize is offered for filter responses only.");
            } else if (filter.Validate(true)) {
                session.Error("The specification cannot be optimized.");
            }
            return false;
        }
        bandEditor->OnOptimizeClicked();
    } else {
        editor.OnOptimize();
    }
    if (filter.GetNumPoints() > 0) {
        return true;
    }
    // Optimize refuses a specification it cannot design without saying why; the check that
    // refused it says it here.
    if (session.Ui().ErrorCount() == errors && session.Ui().DeclinedCount() == declined &&
        filter.Validate(true)) {
        session.Error("Nothing was designed.");
    }
    return false;
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
