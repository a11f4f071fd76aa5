#include "cli/Command.h"

#include <iostream>
#include <new>
#include <stdexcept>

#include "cli/CliSession.h"

namespace tapwright::cli {

Command::Command(CLI::App& parent, const std::string& name, const std::string& description)
    : subcommand_(parent.add_subcommand(name, description)) {
    subcommand_->add_flag("-y,--yes", assumeYes_,
                          "Answer the program's questions Yes or OK (otherwise No or Cancel)");
    subcommand_->add_flag("-v,--verbose", verbose_, "Show the progress texts of long operations");
}

ExitCode Command::Execute() {
    CliSession session(std::cerr, assumeYes_, verbose_);
    try {
        return Run(session);
    } catch (const std::bad_alloc&) {
        session.Error("There is not enough memory to complete the command.");
    } catch (const std::exception& error) {
        session.Error(error.what());
    }
    return ExitCode::BadInput;
}

}  // namespace tapwright::cli
