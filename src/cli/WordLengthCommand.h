#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "design/WordLength.h"

namespace tapwright {
class CFirDoc;
}

namespace tapwright::cli {

// wordlength PROJECT: the smallest fixed-point word length that meets the project's
// specification at its own length and at the next few lengths, as a table or JSON. With
// --project a copy of the project is saved holding one row's quantized coefficients.
class WordLengthCommand final : public Command {
public:
    explicit WordLengthCommand(CLI::App& parent);

private:
    ExitCode Run(CliSession& session) override;
    ExitCode SaveChosenRow(CliSession& session, CFirDoc& document,
                           const std::vector<WordLengthRow>& rows);

    std::string project_;
    std::int32_t extraTaps_ = 4;
    std::int32_t maxBits_ = kMaxWordBits;
    bool json_ = false;
    std::optional<std::string> output_;
    std::optional<std::int32_t> taps_;
};

}  // namespace tapwright::cli
