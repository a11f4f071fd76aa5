#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cli/Command.h"
#include "cli/ExportFlow.h"
#include "cli/SpecArguments.h"

namespace tapwright {
class CFirDoc;
class CFirView;
}  // namespace tapwright

namespace tapwright::cli {

// design: fills a new project's specification editor from the command line, turns it into
// the filter's specification and designs (or optimizes) the filter as the editor's Design
// (or Optimize) would, then optionally exports the coefficients and saves the project, and
// prints how the filter measures against its specification.
class DesignCommand final : public Command {
public:
    explicit DesignCommand(CLI::App& parent);

private:
    ExitCode Run(CliSession& session) override;
    // Checks the arguments that decide what is made; false after a message.
    bool CheckArguments(CliSession& session);
    // Makes the command's specification, with this tap count, the filter's; false after a
    // message.
    bool Specify(CliSession& session, CFirDoc& document, CFirView& editor, std::int32_t taps);
    // Designs or optimizes; false when nothing was designed, after a message.
    bool Design(CliSession& session, CFirDoc& document, CFirView& editor);
    bool Optimize(CliSession& session, CFirDoc& document, CFirView& editor);
    // Exports, saves and prints what the design made.
    ExitCode Finish(CliSession& session, CFirDoc& document);

    SpecArguments spec_;
    std::optional<std::string> project_;
    std::string export_;
    ExportArguments exportArguments_;
    bool json_ = false;
};

}  // namespace tapwright::cli
