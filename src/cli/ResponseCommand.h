#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cli/Command.h"
#include "cli/ResponseTable.h"

namespace tapwright {
class CFirData;
}

namespace tapwright::cli {

// response PROJECT: the frequency response of the project's coefficients as tab-separated
// lines on an evenly spaced grid, ready for a plotting tool.
class ResponseCommand final : public Command {
public:
    explicit ResponseCommand(CLI::App& parent);

private:
    ExitCode Run(CliSession& session) override;
    // Whether the filter has what the selection evaluates, as the desktop program's enable
    // rules have it; if not, the user is told.
    bool CheckSelection(CliSession& session, const CFirData& filter) const;

    // Above this a table is no longer something to pipe anywhere, and the memory for it
    // would be the user's mistake.
    static constexpr std::int32_t kMaxPoints = 1'000'000;

    std::string project_;
    ResponseKind kind_ = ResponseKind::Magnitude;
    ChannelSelection selection_ = ChannelSelection::Inphase;
    std::optional<double> from_;
    std::optional<double> to_;
    std::int32_t points_ = 512;
};

}  // namespace tapwright::cli
