#pragma once

#include "cli/Command.h"

namespace tapwright::cli {

// formats: the table of coefficient file formats, one line per format with the directions
// it is offered in and the options it takes.
class FormatsCommand final : public Command {
public:
    explicit FormatsCommand(CLI::App& parent);

private:
    ExitCode Run(CliSession& session) override;
};

}  // namespace tapwright::cli
