#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

#include "cli/CliUserInterface.h"
#include "cli/ExitCode.h"
#include "fileio/FormatTable.h"

namespace tapwright {
class CFirDoc;
}

namespace tapwright::cli {

class CliSession;

// The options of a coefficient file to write: the format name, whether both channels go
// into it, and the options of the WAVE, C and assembly formats.
struct ExportArguments {
    std::string format;
    bool complex = false;
    std::optional<int> waveBits;
    std::optional<int> waveRate;
    std::optional<std::string> cName;
    std::optional<std::string> cType;
    std::optional<std::string> asmName;

    // Declares the options; --format is returned so that a command can tie it to others.
    CLI::Option* AddTo(CLI::App& app);

    FormatOptionsAnswer Answer() const;
};

// Whether the table offers the format in that direction; if not, the user is told which
// names it offers.
bool CheckFormatName(CliSession& session, const std::string& name, FormatDirection direction);

// Writes the project's coefficients to path through the "Data Files" dialog, as Export
// Coefficients does in the desktop program.
ExitCode ExportCoefficients(CliSession& session, CFirDoc& document, const std::string& path,
                            const ExportArguments& arguments);

}  // namespace tapwright::cli
