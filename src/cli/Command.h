#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "cli/ExitCode.h"

namespace tapwright::cli {

class CliSession;

// One subcommand: it declares its options on its own part of the command line and runs
// once they are parsed. Every subcommand takes --yes and --verbose.
class Command {
public:
    virtual ~Command() = default;
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    // Whether the command line named this subcommand.
    bool WasChosen() const { return subcommand_->parsed(); }

    // Runs the command with the core's user interface installed; an exception the core
    // lets through ends the command with a message instead of a crash.
    ExitCode Execute();

protected:
    Command(CLI::App& parent, const std::string& name, const std::string& description);

    CLI::App& Options() { return *subcommand_; }

    virtual ExitCode Run(CliSession& session) = 0;

private:
    CLI::App* subcommand_;
    bool assumeYes_ = false;
    bool verbose_ = false;
};

}  // namespace tapwright::cli
