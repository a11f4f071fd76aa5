#include "fileio/TextFormats.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "fileio/ByteCursor.h"
#include "fileio/DataFormat.h"
#include "fileio/FixedPoint.h"
#include "fileio/TextNumbers.h"

namespace tapwright {

namespace {

// A record line holds at most this many characters.
constexpr std::size_t kRecordCharacters = 99;
constexpr int kDecimalWidth = 15;
constexpr int kDecimalPrecision = 12;
constexpr int kAnalyzerHeaderLines = 7;
constexpr std::size_t kPlotTitleLines = 3;
constexpr int kAdiWordShift = 8;
constexpr int kWordBits = 16;

// Up to two numbers read one after the other by `read`, stopping at the first that fails.
template <class Read>
RecordValues Scan(LineScanner& scanner, Read read) {
    RecordValues record;
    for (double& value : record.values) {
        const std::optional<double> number = read(scanner);
        if (!number) {
            break;
        }
        value = *number;
        ++record.count;
    }
    return record;
}

std::optional<double> Decimal(LineScanner& scanner) { return scanner.ReadDouble(); }

template <class Read>
RecordValues Scan(std::string_view text, Read read) {
    LineScanner scanner(text);
    return Scan(scanner, read);
}

// A line led by an index or a frequency: the numbers after it are the values.
RecordValues SkipFirstNumber(std::string_view text) {
    LineScanner scanner(text);
    if (!scanner.ReadDouble()) {
        return {};
    }
    return Scan(scanner, Decimal);
}

bool SkipLines(ByteCursor& input, int count) {
    for (int i = 0; i < count; ++i) {
        if (!input.ReadLine()) {
            return false;
        }
    }
    return true;
}

template <class Integer>
std::string Printed(const char* format, Integer value) {
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, format, value);
    return std::string(buffer, static_cast<std::size_t>(std::max(length, 0)));
}

// The word of a binary-digit text: each "0" doubles the accumulator, each "1" doubles it
// and adds one, and other characters are passed over.
std::uint32_t BinaryWordValue(std::string_view word) {
    std::uint32_t value = 0;
    for (const char c : word) {
        if (c == '0' || c == '1') {
            value = value * 2 + static_cast<std::uint32_t>(c - '0');
        }
    }
    return value;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string RecordText(std::string_view line) {
    std::string text(line.substr(0, kRecordCharacters));
    std::replace(text.begin(), text.end(), ',', ' ');
    return text;
}

std::optional<RecordValues> TextLineCodec::ReadRecord(ByteCursor& input, const CDataFormat&,
                                                      int) const {
    const std::optional<std::string_view> line = input.ReadLine();
    if (!line) {
        return std::nullopt;
    }
    return ConvertLine(RecordText(*line));
}

void WritableTextCodec::WriteRecord(std::string& out, const CDataFormat&, std::int32_t,
                                    std::span<const double> values) const {
    AppendValues(out, values);
}

void WritableTextCodec::AppendValues(std::string& out, std::span<const double> values) const {
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            out += ' ';
        }
        out += ValueText(values[i]);
    }
    out += kLineEnd;
}

RecordValues DecimalTextCodec::ConvertLine(std::string_view text) const {
    return Scan(text, Decimal);
}

std::string DecimalTextCodec::ValueText(double value) const {
    return FixedText(value, kDecimalWidth, kDecimalPrecision, true);
}

bool FirTextCodec::ReadHeader(ByteCursor& input, CDataFormat&, std::int64_t&) const {
    return SkipLines(input, 1);
}

void FirTextCodec::WriteHeader(std::string& out, CDataFormat&, int, std::int32_t points) const {
    out += std::to_string(points);
    out += kLineEnd;
}

bool PlotTextCodec::ReadHeader(ByteCursor& input, CDataFormat& format, std::int64_t&) const {
    std::array<std::string, kPlotTitleLines> lines;
    bool allNumeric = true;
    for (std::string& line : lines) {
        const std::optional<std::string_view> read = input.ReadLine();
        if (!read) {
            break;
        }
        line = std::string(*read);
        allNumeric = allNumeric && Scan(RecordText(line), Decimal).count == 2;
    }
    CTitlesDlg& titles = format.PlotTitles();
    if (allNumeric) {
        // Data from the first line on: no titles, and the data is read from the start.
        titles = CTitlesDlg();
        input.Rewind();
        return true;
    }
    titles.mainTitle = lines[0];
    titles.yTitle = lines[1];
    titles.xTitle = lines[2];
    return true;
}

void PlotTextCodec::WriteHeader(std::string& out, CDataFormat& format, int, std::int32_t) const {
    const CTitlesDlg& titles = format.PlotTitles();
    if (titles.AllEmpty()) {
        return;
    }
    for (const std::string* title : {&titles.mainTitle, &titles.yTitle, &titles.xTitle}) {
        out += *title;
        out += kLineEnd;
    }
}

void PlotTextCodec::WriteRecord(std::string& out, const CDataFormat&, std::int32_t index,
                                std::span<const double> values) const {
    out += std::to_string(index);
    out += ' ';
    AppendValues(out, values);
}

RecordValues PlotTextCodec::ConvertLine(std::string_view text) const {
    return SkipFirstNumber(text);
}

bool AnalyzerTextCodec::ReadHeader(ByteCursor& input, CDataFormat&, std::int64_t&) const {
    return SkipLines(input, kAnalyzerHeaderLines);
}

RecordValues AnalyzerTextCodec::ConvertLine(std::string_view text) const {
    return SkipFirstNumber(text);
}

std::optional<ValueLimits> FixedPointTextCodec::OverflowLimits(const CDataFormat&) const {
    return ValueLimits{kFixedLowest, kFixedHighest};
}

std::string FixedPointTextCodec::ValueText(double value) const {
    return WordText(ToFixedWord(value));
}

RecordValues FractTextCodec::ConvertLine(std::string_view text) const {
    return Scan(text, [](LineScanner& scanner) -> std::optional<double> {
        const auto bits = scanner.ReadInteger();
        return bits ? std::optional<double>(FromFixedBits(*bits)) : std::nullopt;
    });
}

std::string FractTextCodec::WordText(std::int16_t word) const {
    return Printed("%6i", static_cast<int>(word));
}

RecordValues HexTextCodec::ConvertLine(std::string_view text) const {
    return Scan(text, [](LineScanner& scanner) -> std::optional<double> {
        const auto bits = scanner.ReadHex();
        return bits ? std::optional<double>(FromFixedBits(*bits)) : std::nullopt;
    });
}

std::string HexTextCodec::WordText(std::int16_t word) const {
    return Printed("%04X", static_cast<unsigned>(static_cast<std::uint16_t>(word)));
}

RecordValues BinaryTextCodec::ConvertLine(std::string_view text) const {
    RecordValues record;
    std::size_t position = 0;
    for (double& value : record.values) {
        while (position < text.size() && IsBlank(text[position])) {
            ++position;
        }
        const std::size_t start = position;
        while (position < text.size() && !IsBlank(text[position])) {
            ++position;
        }
        value = FromFixedBits(BinaryWordValue(text.substr(start, position - start)));
    }
    // Every line gives two values, so a blank line is a point of value 0.
    record.count = 2;
    return record;
}

std::string BinaryTextCodec::WordText(std::int16_t word) const {
    const auto bits = static_cast<std::uint16_t>(word);
    std::string text(kWordBits, '0');
    for (int bit = 0; bit < kWordBits; ++bit) {
        if ((bits >> (kWordBits - 1 - bit)) & 1u) {
            text[static_cast<std::size_t>(bit)] = '1';
        }
    }
    return text;
}

RecordValues AdiPmTextCodec::ConvertLine(std::string_view text) const {
    return Scan(text, [](LineScanner& scanner) -> std::optional<double> {
        const auto bits = scanner.ReadHex();
        if (!bits) {
            return std::nullopt;
        }
        // A 32-bit word whose top 16 of 24 bits hold the fraction.
        return FromFixedBits((*bits & 0xFFFFFFFFu) >> kAdiWordShift);
    });
}

std::string AdiPmTextCodec::WordText(std::int16_t word) const {
    return Printed("%04X00", static_cast<unsigned>(static_cast<std::uint16_t>(word)));
}

}  // namespace tapwright
