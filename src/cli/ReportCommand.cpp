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
    Options()
        .add_option("--bits", bits_,
                    "Judge the coefficients quantized to this many bits (1 to 31); the "
                    "project is not changed")
        ->type_name("BITS");
}

ExitCode ReportCommand::Run(CliSession& session) {
    ExitCode failure = ExitCode::Success;
    CFirDoc* document = session.OpenProject(project_, failure);
    if (document == nullptr) {
        return failure;
    }
    CFirData filter = document->Filter();
    if (bits_) {
        const ChannelFlags channels = ResolveChannels(DefaultChannels(filter.IsReal()));
        if (!filter.Quantize(*bits_, channels.inphase, channels.quadrature)) {
            return ExitCode::BadInput;
        }
    }
    const DesignSummary summary = Summarize(filter, std::nullopt);
    if (json_) {
        std::cout << JsonText(ToJson(summary));
    } else {
        WriteTable(std::cout, summary);
    }
    return VerdictOf(filter);
}

}  // namespace tapwright::cli
