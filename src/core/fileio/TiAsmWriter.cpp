#include "fileio/TiAsmWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "fileio/AsmOptionsDlg.h"
#include "fileio/DataFormat.h"
#include "fileio/FixedPoint.h"
#include "fileio/TextNumbers.h"

namespace tapwright {

namespace {

constexpr const char* kCommentStart = "      ; ";
constexpr const char* kOtherFormatComment = "      ; = ";
constexpr const char* kEquate = "   .equ   ";
constexpr std::size_t kGraphGap = 11;
// A line with a graph ends one character before this column.
constexpr std::ptrdiff_t kGraphEndColumn = 78;

void AppendLine(std::string& out, const std::string& line) {
    out += line;
    out += kLineEnd;
}

std::string DecimalWord(std::int32_t n) {
    char buffer[16];
    const int length = std::snprintf(buffer, sizeof buffer, "%6d", static_cast<int>(n));
    return std::string(buffer, static_cast<std::size_t>(std::max(length, 0)));
}

std::string HexWord(std::int32_t n) {
    char buffer[16];
    const int length = std::snprintf(buffer, sizeof buffer, "0%04Xh",
                                     static_cast<unsigned>(n) & 0xFFFFu);
    return std::string(buffer, static_cast<std::size_t>(std::max(length, 0)));
}

std::string Directive(double x, const CAsmOptionsDlg& options) {
    if (options.dataFormat == AsmDataFormat::Float) {
        return ".float " + FixedText(x, 14, 9);
    }
    const std::int32_t n = ToSaturatedFixed(x);
    std::string text;
    if (options.dataFormat == AsmDataFormat::HexInt) {
        text = ".hex " + HexWord(n);
        if (options.showOther) {
            text += kOtherFormatComment + DecimalWord(n);
        }
    } else {
        text = ".int " + DecimalWord(n);
        if (options.showOther) {
            text += kOtherFormatComment + HexWord(n);
        }
    }
    if (options.showFloat) {
        if (text.find(';') == std::string::npos) {
            text += kCommentStart;
        }
        text += "   " + FixedText(n / kFixedScale, 9, 6);
    }
    return text;
}

// Positions 0 to W: "*" where x falls between hi (0) and lo (W), "|" where 0.0 falls.
std::string Graph(double x, double lo, double hi, std::ptrdiff_t w) {
    const double span = hi - lo;
    const double star = std::round(w - (x - lo) * w / span);
    const double zero = std::round(w + lo * w / span);
    std::string graph(static_cast<std::size_t>(w + 1), ' ');
    for (std::ptrdiff_t i = 0; i <= w; ++i) {
        if (star == static_cast<double>(i)) {
            graph[static_cast<std::size_t>(i)] = '*';
        } else if (zero == static_cast<double>(i)) {
            graph[static_cast<std::size_t>(i)] = '|';
        }
    }
    return graph;
}

std::string EquateLine(const std::string& name, const char* label, const std::string& value) {
    return name.empty() ? std::string() : name + label + kEquate + value;
}

void AppendData(std::string& out, const CAsmOptionsDlg& options, std::span<const double> values,
                double lo, double hi) {
    for (const double x : values) {
        AppendLine(out, TiAsmDataLine(x, options, lo, hi));
    }
}

}  // namespace

std::string TiAsmDataLine(double x, const CAsmOptionsDlg& options, double lo, double hi) {
    std::string line = "   " + Directive(x, options);
    if (!options.showGraph) {
        return line;
    }
    if (line.find(';') == std::string::npos) {
        line += kCommentStart;
    }
    line.append(kGraphGap, ' ');
    const std::ptrdiff_t w = kGraphEndColumn - static_cast<std::ptrdiff_t>(line.size()) - 2;
    if (hi != lo && w >= 0) {
        line += Graph(x, lo, hi, w);
    }
    return line;
}

void WriteTiAsm(std::string& out, const CAsmOptionsDlg& options, const WriteColumns& columns) {
    double lo = 0.0;
    double hi = 0.0;
    if (!columns.first.empty()) {
        const auto [low, high] = std::minmax_element(columns.first.begin(), columns.first.end());
        lo = *low;
        hi = *high;
    }
    if (columns.twoColumns && !columns.second.empty()) {
        const auto [low, high] = std::minmax_element(columns.second.begin(), columns.second.end());
        lo = columns.first.empty() ? *low : std::min(lo, *low);
        hi = columns.first.empty() ? *high : std::max(hi, *high);
    }

    if (!options.initialText.empty()) {
        AppendLine(out, options.initialText);
        AppendLine(out, "");
    }
    if (options.showLength) {
        AppendLine(out, EquateLine(options.name, "_LENGTH", std::to_string(columns.Points())));
    }
    if (options.showRatio && !options.ratioText.empty()) {
        AppendLine(out, EquateLine(options.name, "_RATIO ", options.ratioText));
    }
    AppendLine(out, "");
    if (columns.twoColumns) {
        AppendLine(out, options.name + "_COEFFS_I:");
        AppendData(out, options, columns.first, lo, hi);
        AppendLine(out, "");
        AppendLine(out, options.name + "_COEFFS_Q:");
        AppendData(out, options, columns.second, lo, hi);
    } else {
        AppendLine(out, options.name + "_COEFFS:");
        AppendData(out, options, columns.first, lo, hi);
    }
    AppendLine(out, options.finalText);
}

bool TiAsmCodec::WriteWhole(std::string& out, const CDataFormat& format,
                            const WriteColumns& columns) const {
    WriteTiAsm(out, format.AsmOptions(), columns);
    return true;
}

}  // namespace tapwright
