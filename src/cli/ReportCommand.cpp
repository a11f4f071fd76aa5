#include "cli/ReportCommand.h"

#include <iostream>

#include "cli/CliSession.h"
#include "cli/DesignSummary.h"
#include "document/FirDoc.h"

namespace tapwright::cli {

ReportCommand::ReportCommand(CLI::App& parent)
    : Command(parent, "report",
              "Measure a project's filter against its specification (exit 0 PASS, 1 FAIL)") {
    Options()
        .add_option("PROJECT", project_, "Project file (.tws or .twa)")
        ->required()
        ->type_name("FILE");
    Options().add_flag("--json", json_, "Print one JSON object instead of a table");
}

ExitCode ReportCommand::Run(CliSession& session) {
    ExitCode failure = ExitCode::Success;
    CFirDoc* document = session.OpenProject(project_, failure);
    if (document == nullptr) {
        return failure;
    }
    const DesignSummary summary = Summarize(document->Filter(), std::nullopt);
    if (json_) {
        std::cout << JsonText(ToJson(summary));
    } else {
        WriteTable(std::cout, summary);
    }
    return VerdictOf(document->Filter());
}

}  // namespace tapwright::cli
