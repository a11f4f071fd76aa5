#include "cli/ExportCommand.h"

#include "cli/CliSession.h"
#include "document/FirDoc.h"

namespace tapwright::cli {

ExportCommand::ExportCommand(CLI::App& parent)
    : Command(parent, "export", "Write a project's coefficients to a coefficient file") {
    Options()
        .add_option("PROJECT", project_, "Project file (.tws or .twa)")
        ->required()
        ->type_name("FILE");
    Options()
        .add_option("-o,--output", output_, "Coefficient file to write")
        ->required()
        ->type_name("FILE");
    arguments_.AddTo(Options())->required();
}

ExitCode ExportCommand::Run(CliSession& session) {
    if (!CheckFormatName(session, arguments_.format, FormatDirection::Write)) {
        return ExitCode::BadInput;
    }
    ExitCode failure = ExitCode::Success;
    CFirDoc* document = session.OpenProject(project_, failure);
    if (document == nullptr) {
        return failure;
    }
    const ExitCode exported = ExportCoefficients(session, *document, output_, arguments_);
    return exported == ExitCode::Success ? VerdictOf(document->Filter()) : exported;
}

}  // namespace tapwright::cli
