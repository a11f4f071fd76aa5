#include "fileio/TextFormats.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

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
constexpr int kAdiWordBits = 24;
constexpr int kWordBits = 16;

// Up to two numbers read one after the other by `read`, stopping at the first that fails;
// then the rest of the line is looked through, so that the reader can tell the user of
// numbers and text it passed over. `read` marks the record when a word did not fit.
template <class Read>
RecordValues Scan(LineScanner& scanner, Read read) {
    RecordValues record;
    for (double& value : record.values) {
        const std::optional<double> number = read(scanner, record);
        if (!number) {
            break;
        }
        value = *number;
        ++record.count;
    }
    record.numbersOnLine = record.count;
    if (record.count == static_cast<int>(record.values.size())) {
        RecordValues passedOver;
        while (read(scanner, passedOver)) {
            ++record.numbersOnLine;
        }
    }
    record.otherText = !scanner.OnlySpaceLeft();
    return record;
}

std::optional<double> Decimal(LineScanner& scanner, RecordValues&) { return scanner.ReadDouble(); }

template <class Read>
RecordValues Scan(std::string_view text, Read read) {
    LineScanner scanner(text);
    return Scan(scanner, read);
}

// A line led by an index or a frequency: the numbers after it are the values.
RecordValues SkipFirstNumber(std::string_view text) {
    LineScanner scanner(text);
    if (!scanner.ReadDouble()) {
        RecordValues none;
        none.otherText = !scanner.OnlySpaceLeft();
        return none;
    }
    return Scan(scanner, Decimal);
}

// A fixed-point word read by `read`, as its low 16 bits (after a shift), marking the record
// when the number had more bits than `bits`.
template <class Read>
auto WordReader(Read read, int bits, int shift) {
    return [=](LineScanner& scanner, RecordValues& record) -> std::optional<double> {
        const std::optional<std::uint64_t> word = read(scanner);
        if (!word) {
            return std::nullopt;
        }
        if (!scanner.LastIntegerFits(bits)) {
            record.wrapped = true;
        }
        return FromFixedBits((*word & 0xFFFFFFFFu) >> shift);
    };
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

std::size_t BinaryDigits(std::string_view word) {
    return static_cast<std::size_t>(
        std::count_if(word.begin(), word.end(), [](char c) { return c == '0' || c == '1'; }));
}

// A word of "0" and "1" only: other characters are passed over, and the user is told.
bool IsBinaryWord(std::string_view word) { return BinaryDigits(word) == word.size(); }

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

bool FirTextCodec::ReadHeader(ByteCursor& input, CDataFormat&, DeclaredPoints& declared) const {
    const std::optional<std::string_view> line = input.ReadLine();
    if (!line) {
        return false;
    }
    // The scanner only views its text, which must outlive it.
    const std::string record = RecordText(*line);
    LineScanner scanner(record);
    const std::optional<double> count = scanner.ReadDouble();
    if (!count || *count < 0.0 || *count != std::floor(*count) || !scanner.OnlySpaceLeft() ||
        *count > static_cast<double>(std::numeric_limits<std::int64_t>::max())) {
        return false;
    }
    declared.announced = static_cast<std::int64_t>(*count);
    return true;
}

void FirTextCodec::WriteHeader(std::string& out, CDataFormat&, int, std::int32_t points) const {
    out += std::to_string(points);
    out += kLineEnd;
}

bool PlotTextCodec::ReadHeader(ByteCursor& input, CDataFormat& format, DeclaredPoints&) const {
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

bool AnalyzerTextCodec::ReadHeader(ByteCursor& input, CDataFormat&, DeclaredPoints&) const {
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
    return Scan(text, WordReader([](LineScanner& s) { return s.ReadInteger(); }, kWordBits, 0));
}

std::string FractTextCodec::WordText(std::int16_t word) const {
    return Printed("%6i", static_cast<int>(word));
}

RecordValues HexTextCodec::ConvertLine(std::string_view text) const {
    return Scan(text, WordReader([](LineScanner& s) { return s.ReadHex(); }, kWordBits, 0));
}

std::string HexTextCodec::WordText(std::int16_t word) const {
    return Printed("%04X", static_cast<unsigned>(static_cast<std::uint16_t>(word)));
}

RecordValues BinaryTextCodec::ConvertLine(std::string_view text) const {
    RecordValues record;
    std::size_t position = 0;
    const auto nextWord = [&]() {
        while (position < text.size() && IsBlank(text[position])) {
            ++position;
        }
        const std::size_t start = position;
        while (position < text.size() && !IsBlank(text[position])) {
            ++position;
        }
        return text.substr(start, position - start);
    };
    for (double& value : record.values) {
        const std::string_view word = nextWord();
        if (!word.empty()) {
            ++record.numbersOnLine;
        }
        record.otherText = record.otherText || !IsBinaryWord(word);
        record.wrapped = record.wrapped || BinaryDigits(word) > static_cast<std::size_t>(kWordBits);
        value = FromFixedBits(BinaryWordValue(word));
    }
    while (!nextWord().empty()) {
        ++record.numbersOnLine;
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
    // A 32-bit word whose top 16 of 24 bits hold the fraction.
    return Scan(text, WordReader([](LineScanner& s) { return s.ReadHex(); }, kAdiWordBits,
                                 kAdiWordShift));
}

std::string AdiPmTextCodec::WordText(std::int16_t word) const {
    return Printed("%04X00", static_cast<unsigned>(static_cast<std::uint16_t>(word)));
}

}  // namespace tapwright
