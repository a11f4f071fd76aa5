#include "fileio/FormatTable.h"

#include <algorithm>
#include <array>

namespace tapwright {

namespace {

constexpr int kRead = static_cast<int>(FormatDirection::Read);
constexpr int kWrite = static_cast<int>(FormatDirection::Write);
constexpr int kBoth = kRead | kWrite;

constexpr std::array kRows{
    FormatTableRow{"Text:Decimal", FormatCode::TextDecimal, kBoth, FormatOptions::None},
    FormatTableRow{"Text:Plot", FormatCode::TextPlot, kBoth, FormatOptions::Titles},
    FormatTableRow{"Text:FIR", FormatCode::TextFir, kBoth, FormatOptions::None},
    FormatTableRow{"Text:Fract", FormatCode::TextFract, kBoth, FormatOptions::None},
    FormatTableRow{"Text:Hex", FormatCode::TextHex, kBoth, FormatOptions::None},
    FormatTableRow{"Text:Binary", FormatCode::TextBinary, kBoth, FormatOptions::None},
    FormatTableRow{"Text:C", FormatCode::TextC, kWrite, FormatOptions::COutput},
    FormatTableRow{"Text:Analyzer", FormatCode::TextAnalyzer, kRead, FormatOptions::None},
    FormatTableRow{"Asm:TI Asm", FormatCode::AsmTi, kWrite, FormatOptions::TiAsm},
    FormatTableRow{"Asm:ADI PM", FormatCode::AsmAdiPm, kBoth, FormatOptions::None},
    FormatTableRow{"Binary:float", FormatCode::BinaryFloat, kBoth, FormatOptions::None},
    FormatTableRow{"Binary:double", FormatCode::BinaryDouble, kBoth, FormatOptions::None},
    FormatTableRow{"Binary:Wave", FormatCode::BinaryWave, kBoth, FormatOptions::Wave},
};

}  // namespace

std::span<const FormatTableRow> FormatTable() { return kRows; }

bool IsWaveCode(FormatCode code) {
    return code == FormatCode::BinaryWave || code == FormatCode::Wave8Bit ||
           code == FormatCode::Wave16Bit;
}

const FormatTableRow* FindFormatRow(FormatCode code) {
    if (IsWaveCode(code)) {
        code = FormatCode::BinaryWave;
    }
    const auto row = std::find_if(kRows.begin(), kRows.end(),
                                  [code](const FormatTableRow& r) { return r.code == code; });
    return row == kRows.end() ? nullptr : &*row;
}

const FormatTableRow* FindFormatRow(std::string_view name) {
    const auto row = std::find_if(kRows.begin(), kRows.end(),
                                  [name](const FormatTableRow& r) { return r.name == name; });
    return row == kRows.end() ? nullptr : &*row;
}

}  // namespace tapwright
