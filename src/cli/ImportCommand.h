#pragma once

#include <string>

#include "cli/Command.h"

namespace tapwright::cli {

// import FILE --format NAME -o PROJECT: reads coefficients from a file (or an Inphase and a
// Quadrature file) into a new project and saves it. The project's extension chooses a
// simple (".tws") or an advanced (".twa") project.
class ImportCommand final : public Command {
public:
    explicit ImportCommand(CLI::App& parent);

private:
    ExitCode Run(CliSession& session) override;

    std::string input_;
    std::string format_;
    bool complex_ = false;
    std::string quadrature_;
    std::string quadratureFormat_;
    std::string project_;
};

}  // namespace tapwright::cli
