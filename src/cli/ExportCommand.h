#pragma once

#include <string>

#include "cli/Command.h"
#include "cli/ExportFlow.h"

namespace tapwright::cli {

// export PROJECT --format NAME -o FILE: writes the project's coefficients to a file. The
// project file itself is left as it is.
class ExportCommand final : public Command {
public:
    explicit ExportCommand(CLI::App& parent);

private:
    ExitCode Run(CliSession& session) override;

    std::string project_;
    std::string output_;
    ExportArguments arguments_;
};

}  // namespace tapwright::cli
