#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tapwright {

// The code a format object holds: one per coefficient file format, plus the two that a WAVE
// format takes while a file is read or written (8-bit and 16-bit samples). Project files
// store it as a signed 16-bit value, so a code read from a file may be none of these.
enum class FormatCode : std::int32_t {
    None = -1,
    TextDecimal = 0,
    TextPlot = 1,
    TextFir = 2,
    TextFract = 3,
    TextHex = 4,
    TextBinary = 5,
    TextAnalyzer = 6,
    TextC = 7,
    BinaryFloat = 8,
    BinaryDouble = 9,
    BinaryWave = 10,
    AsmTi = 11,
    AsmAdiPm = 12,
    Wave8Bit = 100,
    Wave16Bit = 101,
};

// Which format lists offer a format: the reading lists, the writing lists, or the lists of
// formats that can do both.
enum class FormatDirection : int { Read = 1, Write = 2, Both = 3 };

// The options dialog a format brings with it.
enum class FormatOptions { None, Titles, COutput, Wave, TiAsm };

struct FormatTableRow {
    std::string_view name;
    FormatCode code;
    int directions;  // FormatDirection bits
    FormatOptions options;

    bool Offers(FormatDirection direction) const {
        const int wanted = static_cast<int>(direction);
        return (directions & wanted) == wanted;
    }
};

// Every format in the order of the format lists.
std::span<const FormatTableRow> FormatTable();

// The row of a code; both WAVE sample codes find the "Binary:Wave" row. Null for codes that
// name no format.
const FormatTableRow* FindFormatRow(FormatCode code);

// The row with exactly this name, or null.
const FormatTableRow* FindFormatRow(std::string_view name);

bool IsWaveCode(FormatCode code);

}  // namespace tapwright
