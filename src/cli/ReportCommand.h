#pragma once

#include <string>

#include "cli/Command.h"

namespace tapwright::cli {

// report PROJECT: how the project's coefficients measure against its specification, and
// the coefficients, as a table or one JSON object. The exit status says PASS or FAIL.
class ReportCommand final : public Command {
public:
    explicit ReportCommand(CLI::App& parent);

private:
    ExitCode Run(CliSession& session) override;

    std::string project_;
    bool json_ = false;
};

}  // namespace tapwright::cli
