#include "cli/FormatsCommand.h"

#include <iostream>

#include "fileio/FormatTable.h"

namespace tapwright::cli {

namespace {

const char* DirectionsText(const FormatTableRow& row) {
    if (row.Offers(FormatDirection::Both)) {
        return "read, write";
    }
    return row.Offers(FormatDirection::Read) ? "read" : "write";
}

const char* OptionsText(FormatOptions options) {
    switch (options) {
        case FormatOptions::Titles:
            return "titles";
        case FormatOptions::COutput:
            return "--c-name, --c-type";
        case FormatOptions::Wave:
            return "--wave-bits, --wave-rate";
        case FormatOptions::TiAsm:
            return "--asm-name";
        case FormatOptions::None:
            break;
    }
    return "";
}

}  // namespace

FormatsCommand::FormatsCommand(CLI::App& parent)
    : Command(parent, "formats", "List the coefficient file formats and their options") {}

ExitCode FormatsCommand::Run(CliSession& /*session*/) {
    std::cout << "Format\tDirections\tOptions\n";
    for (const FormatTableRow& row : FormatTable()) {
        std::cout << row.name << '\t' << DirectionsText(row) << '\t' << OptionsText(row.options)
                  << '\n';
    }
    return ExitCode::Success;
}

}  // namespace tapwright::cli
