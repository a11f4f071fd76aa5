#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cli/Command.h"

namespace tapwright::cli {

// report PROJECT: how the project's coefficients measure against its specification, and
// the coefficients, as a table or one JSON object. The exit status says PASS or FAIL. With
// --bits the verdict is on a copy of the coefficients quantized to that word length.
class ReportCommand final : public Command {
public:
    explicit ReportCommand(CLI::App& parent);

private:
    ExitCode Run(CliSession& session) override;

    std::string project_;
    bool json_ = false;
    std::optional<std::int32_t> bits_;
};

}  // namespace tapwright::cli
