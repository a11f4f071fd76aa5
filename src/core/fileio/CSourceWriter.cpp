#include "fileio/CSourceWriter.h"

#include <algorithm>
#include <cctype>

#include "fileio/COptionsDlg.h"
#include "fileio/DataFormat.h"
#include "fileio/TextNumbers.h"

namespace tapwright {

namespace {

constexpr int kValueWidth = 15;
constexpr int kValuePrecision = 12;

std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

void AppendLine(std::string& out, const std::string& line) {
    out += line;
    out += kLineEnd;
}

void AppendArray(std::string& out, const CCOptionsDlg& options, const std::string& lengthMacro,
                 const char* suffix, std::span<const double> values) {
    AppendLine(out, options.varType + " " + options.varName + suffix + "[" + lengthMacro +
                        "] = {");
    for (std::size_t i = 0; i < values.size(); ++i) {
        const bool last = i + 1 == values.size();
        AppendLine(out, "   " + FixedText(values[i], kValueWidth, kValuePrecision) +
                            (last ? "" : ","));
    }
    AppendLine(out, "};");
}

}  // namespace

void WriteC(std::string& out, const CCOptionsDlg& options, const WriteColumns& columns) {
    const std::string lengthMacro = UpperCase(options.varName) + "_LENGTH";
    AppendLine(out, "#define " + lengthMacro + " " + std::to_string(columns.Points()));
    AppendLine(out, "");
    AppendArray(out, options, lengthMacro, columns.twoColumns ? "_I" : "", columns.first);
    if (columns.twoColumns) {
        AppendLine(out, "");
        AppendArray(out, options, lengthMacro, "_Q", columns.second);
    }
}

bool CSourceCodec::WriteWhole(std::string& out, const CDataFormat& format,
                              const WriteColumns& columns) const {
    WriteC(out, format.COptions(), columns);
    return true;
}

}  // namespace tapwright
