#include "support/CoefficientReaderCheck.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fileio/DataFormat.h"
#include "fileio/DataSetIO.h"
#include "fileio/FixedPoint.h"
#include "fileio/WaveFormat.h"

namespace tapwright::fuzz {

namespace {

constexpr const char* kFileName = "fuzzed.dat";
constexpr std::string_view kHeaderMessage = "File \"fuzzed.dat\" does not have a valid header.";

// What a column holds before the read: a failed read must leave exactly this.
constexpr std::array<double, 3> kFirstBefore{0.125, -0.25, 0.375};
constexpr std::array<double, 2> kSecondBefore{0.5, -0.5};

// The smallest header a readable WAVE file has: RIFF preamble, a format chunk that reaches
// the bits per sample, and the data chunk header.
constexpr std::size_t kSmallestWaveHeader = 44;
// A decimal record of two values fits into the 99 characters of a line only below this.
constexpr double kLargestRoundTripDecimal = 1e20;
constexpr double kDecimalTolerance = 1e-12;
constexpr double kRelativeTolerance = 1e-15;

// How the values of a format are built, which decides what a read may give.
enum class ValueKind { Decimal, Float, Double, Word16, Word8 };

ValueKind KindAfterRead(const CDataFormat& format) {
    switch (format.GetCode()) {
        case FormatCode::BinaryFloat:
            return ValueKind::Float;
        case FormatCode::BinaryDouble:
            return ValueKind::Double;
        case FormatCode::TextFract:
        case FormatCode::TextHex:
        case FormatCode::TextBinary:
        case FormatCode::AsmAdiPm:
        case FormatCode::Wave16Bit:
            return ValueKind::Word16;
        case FormatCode::Wave8Bit:
            return ValueKind::Word8;
        default:
            return ValueKind::Decimal;
    }
}

std::vector<double> ValuesOf(const CDataColumn& column) {
    std::vector<double> values;
    for (std::int32_t i = 0; i < column.GetNumPoints(); ++i) {
        values.push_back(column.GetAt(i));
    }
    return values;
}

template <std::size_t N>
bool Holds(const CDataColumn& column, const std::array<double, N>& expected) {
    const std::vector<double> values = ValuesOf(column);
    return values.size() == N && std::equal(values.begin(), values.end(), expected.begin());
}

template <std::size_t N>
void Fill(CDataColumn& column, const std::array<double, N>& values) {
    for (const double value : values) {
        column.Add(value);
    }
}

// NaN is the same as NaN here: what matters is that nothing else changed.
bool Same(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

std::size_t LineCount(std::string_view bytes) {
    std::size_t lines = 1;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) {
            ++lines;
        }
    }
    return lines;
}

template <class Value, class Bits>
double RawValueAt(std::string_view bytes, std::size_t offset) {
    Bits bits = 0;
    for (std::size_t b = 0; b < sizeof(Bits); ++b) {
        bits |= static_cast<Bits>(static_cast<unsigned char>(bytes[offset + b])) << (8 * b);
    }
    return std::bit_cast<Value>(bits);
}

bool IsWord(double value, double lowest, double highest, double scale) {
    return value >= lowest && value <= highest && std::trunc(value * scale) == value * scale;
}

// The one warning that tells what a read passed over, changed or left unread.
bool IsReadReport(std::string_view text) {
    return text.starts_with("Read ") && text.find(" from \"fuzzed.dat\".") != std::string_view::npos;
}

// A text format refuses a file that is not text, and "Text:Binary" one that is no binary
// digits at all.
bool IsRefusalOfContent(std::string_view text) {
    return text == std::string("File \"fuzzed.dat") + CDataSetIO::kNotTextMessage ||
           text == std::string("File \"fuzzed.dat") + CDataSetIO::kNotBinaryDigitsMessage;
}

bool IsWaveMessage(std::string_view text) {
    return text == kWaveNotValidMessage || text == kWaveUnknownFormatMessage ||
           text == kWaveSubFormatMessage || text == kWaveNoDataMessage;
}

// The messages a read may show: a WAVE refusal is followed by the header message, which can
// also stand alone; the one-channel warning only comes with a request for two columns.
void CheckReadMessages(const RecordingUserInterface& ui, bool isWave, bool twoColumns) {
    const auto& messages = ui.Messages();
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const auto& message = messages[i];
        if (message.text == kHeaderMessage) {
            Require(message.icon == MessageIcon::Stop, "the header message has the stop icon");
            Require(i + 1 == messages.size(), "nothing follows the header message");
        } else if (message.text == CDataSetIO::kOneChannelMessage) {
            Require(isWave && twoColumns, "only a WAVE file asked for two columns has one channel");
            Require(message.icon == MessageIcon::Exclamation, "the one-channel warning's icon");
        } else if (IsReadReport(message.text)) {
            Require(message.icon == MessageIcon::Exclamation, "the read report is a warning");
            Require(i + 1 == messages.size(), "the read report comes last, once");
        } else if (IsRefusalOfContent(message.text)) {
            Require(!isWave && message.icon == MessageIcon::Stop, "a text refusal is an error");
            Require(messages.size() == 1, "a file refused for its content gets one message");
        } else {
            Require(isWave && IsWaveMessage(message.text), "a read shows only its format's messages");
            Require(message.icon == MessageIcon::Stop, "a WAVE refusal has the stop icon");
            Require(i + 1 < messages.size() && messages[i + 1].text == kHeaderMessage,
                    "a WAVE refusal is followed by the header message");
        }
    }
}

// A WAVE header is either taken (the format then holds a sample code) or refused with one
// of the WAVE messages and the header message, and nothing else.
void CheckWaveVerdict(const RecordingUserInterface& ui, const CDataFormat& format) {
    const auto& messages = ui.Messages();
    const bool refused = format.GetCode() == FormatCode::BinaryWave;
    const bool saidHeader = !messages.empty() && messages.back().text == kHeaderMessage;
    Require(refused == saidHeader, "a WAVE header is refused with a message or taken silently");
    Require(!refused || messages.size() == 2, "a refused WAVE header gives its reason once");
}

bool SaidOneChannel(const RecordingUserInterface& ui) {
    for (const auto& message : ui.Messages()) {
        if (message.text == CDataSetIO::kOneChannelMessage) {
            return true;
        }
    }
    return false;
}

// The complete records of a raw binary file before the first that holds a value that is
// not finite: no coefficient file can hold such a value, so reading stops there.
template <class Value, class Bits>
std::size_t FiniteRecords(std::string_view bytes, int wanted) {
    const std::size_t recordBytes = sizeof(Value) * static_cast<std::size_t>(wanted);
    std::size_t records = 0;
    for (; (records + 1) * recordBytes <= bytes.size(); ++records) {
        for (int v = 0; v < wanted; ++v) {
            const double value = RawValueAt<Value, Bits>(
                bytes, records * recordBytes + sizeof(Value) * static_cast<std::size_t>(v));
            if (!std::isfinite(value)) {
                return records;
            }
        }
    }
    return records;
}

// The most points the file can give to a read of `wanted` values per point.
void CheckPointCount(const CDataFormat& format, std::string_view bytes, std::size_t points,
                     int wanted) {
    switch (format.GetCode()) {
        case FormatCode::BinaryFloat:
            Require(points == FiniteRecords<float, std::uint32_t>(bytes, wanted),
                    "a float file gives every complete record up to one not finite");
            return;
        case FormatCode::BinaryDouble:
            Require(points == FiniteRecords<double, std::uint64_t>(bytes, wanted),
                    "a double file gives every complete record up to one not finite");
            return;
        case FormatCode::Wave8Bit:
        case FormatCode::Wave16Bit: {
            const WaveHeader& header = format.GetWaveHeader();
            const std::size_t frame =
                static_cast<std::size_t>(header.channels) * header.BytesPerSample();
            Require(frame > 0, "a WAVE file read has frames");
            Require(points <= header.dataBytes / frame, "a WAVE read stops at the declared size");
            Require(bytes.size() >= kSmallestWaveHeader &&
                        points <= (bytes.size() - kSmallestWaveHeader) / frame,
                    "a WAVE read gives no more frames than the file holds");
            return;
        }
        default:
            Require(points <= LineCount(bytes), "a text file gives at most one point per line");
            return;
    }
}

void CheckValues(const CDataFormat& format, std::string_view bytes,
                 const std::vector<std::vector<double>>& columns) {
    const ValueKind kind = KindAfterRead(format);
    const bool spellsNonFinite =
        ContainsWordIgnoringCase(bytes, "nan") || ContainsWordIgnoringCase(bytes, "inf");
    const std::size_t wanted = columns.size();
    for (std::size_t c = 0; c < wanted; ++c) {
        for (std::size_t i = 0; i < columns[c].size(); ++i) {
            const double value = columns[c][i];
            const std::size_t record = i * wanted + c;
            switch (kind) {
                case ValueKind::Float:
                    Require(Same(value, RawValueAt<float, std::uint32_t>(bytes, 4 * record)),
                            "a float is read as it is stored");
                    break;
                case ValueKind::Double:
                    Require(Same(value, RawValueAt<double, std::uint64_t>(bytes, 8 * record)),
                            "a double is read as it is stored");
                    break;
                case ValueKind::Word16:
                    Require(IsWord(value, kFixedLowest, kFixedHighest, kFixedScale),
                            "a 16-bit word reads as a multiple of 1/32768 within -1 and 1");
                    break;
                case ValueKind::Word8:
                    Require(IsWord(value, kFixedLowest, kByteHighest, 128.0),
                            "an 8-bit sample reads as a multiple of 1/128 within -1 and 1");
                    break;
                case ValueKind::Decimal:
                    Require(std::isfinite(value) || spellsNonFinite,
                            "a decimal is finite unless the file spells out nan or inf");
                    break;
            }
        }
    }
}

// How far a value may move when it is written and read again.
bool RoundTripKeeps(ValueKind kind, double before, double after) {
    switch (kind) {
        case ValueKind::Float:
        case ValueKind::Double:
            return Same(before, after);
        case ValueKind::Word16:
            return std::fabs(after - before) <= 1.0 / kFixedScale;
        case ValueKind::Word8:
            return std::fabs(after - before) <= 1.0 / 128.0;
        case ValueKind::Decimal:
            if (!std::isfinite(before)) {
                return Same(before, after);
            }
            return std::fabs(after - before) <=
                   kDecimalTolerance + kRelativeTolerance * std::fabs(before);
    }
    return false;
}

bool FitsADecimalRecord(const std::vector<std::vector<double>>& columns) {
    for (const auto& column : columns) {
        for (const double value : column) {
            if (std::isfinite(value) && std::fabs(value) >= kLargestRoundTripDecimal) {
                return false;
            }
        }
    }
    return true;
}

void CheckRoundTrip(RecordingUserInterface& ui, FormatCode code, const CDataFormat& readFormat,
                    const std::vector<std::vector<double>>& columns) {
    const ValueKind kind = KindAfterRead(readFormat);
    if (code == FormatCode::TextAnalyzer ||
        (kind == ValueKind::Decimal && !FitsADecimalRecord(columns))) {
        return;
    }
    const bool two = columns.size() == 2;
    CDataSetIO written;
    for (const auto& values : columns) {
        CDataColumn& column = written.AddColumn();
        for (const double value : values) {
            column.Add(value);
        }
    }
    ui.Clear();
    CDataFormat writeFormat = readFormat;
    const std::optional<std::string> bytes = written.WriteBytes(writeFormat, 0, two ? 1 : -1);
    Require(bytes.has_value() && ui.Messages().empty(),
            "values that were read are written again without a question");

    CDataSetIO reread;
    reread.AddColumn();
    reread.AddColumn();
    CDataFormat format;
    format.SetCode(code);
    Require(reread.ReadBytes(format, *bytes, kFileName, 0, two ? 1 : -1) != 0 &&
                ui.Messages().empty(),
            "a file written from values read is read again");
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const std::vector<double> again = ValuesOf(reread.GetColumn(static_cast<std::int32_t>(c)));
        Require(again.size() == columns[c].size(), "a written file reads back every point");
        for (std::size_t i = 0; i < again.size(); ++i) {
            Require(RoundTripKeeps(kind, columns[c][i], again[i]),
                    "a written file reads back the values written");
        }
    }
}

void CheckRead(FormatCode code, std::string_view bytes, bool twoColumns) {
    RecordingUserInterface ui;
    CDataSetIO data;
    Fill(data.AddColumn(), kFirstBefore);
    Fill(data.AddColumn(), kSecondBefore);
    CDataFormat format;
    format.SetCode(code);

    int result = 0;
    {
        const AllocationWatch watch;
        result = data.ReadBytes(format, bytes, kFileName, 0, twoColumns ? 1 : -1);
        RequireModestAllocations(watch, bytes.size());
    }
    CheckReadMessages(ui, IsWaveCode(code), twoColumns);
    if (IsWaveCode(code)) {
        CheckWaveVerdict(ui, format);
    }
    if (result == 0) {
        Require(Holds(data.GetColumn(0), kFirstBefore) && Holds(data.GetColumn(1), kSecondBefore),
                "a read that gives nothing leaves the data as it was");
        return;
    }
    const CDataColumn& first = data.GetColumn(0);
    Require(first.GetNumPoints() > 0, "a read that succeeds gives points");

    const bool secondRead = twoColumns && !SaidOneChannel(ui);
    if (!secondRead) {
        Require(Holds(data.GetColumn(1), kSecondBefore), "a column not read is left alone");
    } else {
        Require(data.GetColumn(1).GetNumPoints() == first.GetNumPoints(),
                "a two-column read gives both columns the same length");
    }
    std::vector<std::vector<double>> columns{ValuesOf(first)};
    if (secondRead) {
        columns.push_back(ValuesOf(data.GetColumn(1)));
    }
    CheckPointCount(format, bytes, columns.front().size(), secondRead ? 2 : 1);
    CheckValues(format, bytes, columns);
    CheckRoundTrip(ui, code, format, columns);
}

}  // namespace

void CheckCoefficientReader(FormatCode code, Input input) {
    const std::string_view bytes(reinterpret_cast<const char*>(input.data()), input.size());
    CheckRead(code, bytes, false);
    CheckRead(code, bytes, true);
}

}  // namespace tapwright::fuzz
