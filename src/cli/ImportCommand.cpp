#include "cli/ImportCommand.h"

#include "cli/CliSession.h"
#include "cli/ExportFlow.h"
#include "document/FirDoc.h"
#include "fileio/FileAccess.h"

namespace tapwright::cli {

ImportCommand::ImportCommand(CLI::App& parent)
    : Command(parent, "import", "Read coefficients from a file into a new project") {
    CLI::App& options = Options();
    options
        .add_option("FILE", input_, "Coefficient file: Inphase, or both channels with --complex")
        ->required()
        ->type_name("FILE");
    options.add_option("--format", format_, "Format of FILE, as the formats command lists")
        ->required()
        ->type_name("NAME");
    CLI::Option* complex =
        options.add_flag("--complex", complex_, "FILE holds the Inphase and Quadrature channels");
    CLI::Option* quadrature =
        options.add_option("--quadrature", quadrature_, "File of the Quadrature channel")
            ->type_name("FILE2");
    CLI::Option* quadratureFormat =
        options.add_option("--qformat", quadratureFormat_, "Format of the Quadrature file")
            ->type_name("NAME");
    quadrature->needs(quadratureFormat);
    quadratureFormat->needs(quadrature);
    complex->excludes(quadrature);
    options.add_option("-o,--output", project_, "Project file to write (.tws or .twa)")
        ->required()
        ->type_name("PROJECT");
}

ExitCode ImportCommand::Run(CliSession& session) {
    const bool twoFiles = !quadrature_.empty();
    if (!CheckFormatName(session, format_, FormatDirection::Read) ||
        (twoFiles && !CheckFormatName(session, quadratureFormat_, FormatDirection::Read))) {
        return ExitCode::BadInput;
    }
    CFirDoc* document = session.NewProject(session.App().TemplateForPath(project_).GetId());
    if (document == nullptr) {
        return ExitCode::BadInput;
    }
    DataFilesAnswer answer{{input_, format_}, std::nullopt, complex_};
    if (twoFiles) {
        answer.quadrature = DataFileChoice{quadrature_, quadratureFormat_};
    }
    // The import says why a file cannot be read; whether it could be opened at all decides
    // between a file error and input the formats refused.
    const bool readable =
        CanOpenForReading(input_) && (!twoFiles || CanOpenForReading(quadrature_));
    session.Ui().AnswerDataFiles(std::move(answer));
    if (!document->ImportCoefficients()) {
        return readable ? ExitCode::BadInput : ExitCode::FileError;
    }
    const ExitCode saved = session.SaveProject(*document, project_);
    return saved == ExitCode::Success ? VerdictOf(document->Filter()) : saved;
}

}  // namespace tapwright::cli
