#include <CLI/CLI.hpp>

#include <csignal>
#include <memory>
#include <vector>

#include "cli/DesignCommand.h"
#include "cli/ExportCommand.h"
#include "cli/FormatsCommand.h"
#include "cli/ImportCommand.h"
#include "cli/ReportCommand.h"
#include "cli/ResponseCommand.h"
#include "cli/WordLengthCommand.h"
#include "platform/HeapTuning.h"

namespace {

using tapwright::cli::Command;
using tapwright::cli::ExitCode;
using tapwright::cli::ToInt;

std::vector<std::unique_ptr<Command>> MakeCommands(CLI::App& app) {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<tapwright::cli::DesignCommand>(app));
    commands.push_back(std::make_unique<tapwright::cli::ReportCommand>(app));
    commands.push_back(std::make_unique<tapwright::cli::ExportCommand>(app));
    commands.push_back(std::make_unique<tapwright::cli::ImportCommand>(app));
    commands.push_back(std::make_unique<tapwright::cli::ResponseCommand>(app));
    commands.push_back(std::make_unique<tapwright::cli::WordLengthCommand>(app));
    commands.push_back(std::make_unique<tapwright::cli::FormatsCommand>(app));
    return commands;
}

// Parse errors read like the program's other messages; asking for help is no error.
int ParseFailure(const CLI::App& app, const CLI::ParseError& error) {
    const int printed = app.exit(error);
    return printed == 0 ? ToInt(ExitCode::Success) : ToInt(ExitCode::BadInput);
}

}  // namespace

int main(int argc, char** argv) {
    // A write beyond the file size limit then fails with "File too large" and is reported
    // like any failed write, instead of ending the program and leaving its temporary file.
    std::signal(SIGXFSZ, SIG_IGN);
    tapwright::KeepLargeBuffersInHeap();
    CLI::App app("Design, check, convert and tabulate FIR filters without a window.",
                 "tapwright-cli");
    app.require_subcommand(1);
    app.set_version_flag("--version", TAPWRIGHT_VERSION);
    app.failure_message([](const CLI::App* failed, const CLI::Error& error) {
        return "error: " + std::string(error.what()) + "\nRun " + failed->get_name() +
               " --help for more information.\n";
    });
    const auto commands = MakeCommands(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return ParseFailure(app, error);
    }
    for (const auto& command : commands) {
        if (command->WasChosen()) {
            return ToInt(command->Execute());
        }
    }
    return ToInt(ExitCode::BadInput);
}
