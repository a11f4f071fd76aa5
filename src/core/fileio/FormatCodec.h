#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "fileio/FormatTable.h"

namespace tapwright {

class ByteCursor;
class CDataFormat;

// Every line of a text file written ends this way.
inline constexpr std::string_view kLineEnd = "\r\n";

// What one record of a file gave: how many values it converted and the first two of them,
// and what a text line held besides, which the reader passes over and the user is told of.
struct RecordValues {
    int count = 0;
    std::array<double, 2> values{};
    // All the numbers a text line held; more than a read asks for means some were passed
    // over ("0,3" is the two numbers 0 and 3). Binary records leave it 0.
    int numbersOnLine = 0;
    // Text after the numbers that is no number, as in "0.3x".
    bool otherText = false;
    // A fixed-point word did not fit its bits and kept only its low ones.
    bool wrapped = false;
};

// What the header of a file says about its records.
struct DeclaredPoints {
    // Reading stops after this many points: the size of a WAVE data chunk.
    std::int64_t limit = 0;
    // A count the file announces without limiting the read: the count line of "Text:FIR".
    std::optional<std::int64_t> announced;
};

// The values a write puts into a file: the first column, and the second when two columns
// are written. Both hold the same number of points.
struct WriteColumns {
    std::span<const double> first;
    std::span<const double> second;
    bool twoColumns = false;

    std::int32_t Points() const { return static_cast<std::int32_t>(first.size()); }
};

// The range a fixed-point format can hold without overflow.
struct ValueLimits {
    double lowest = 0.0;
    double highest = 0.0;
};

// The byte layout of one format (or family of formats): its header, one record, and for
// the source-code formats the whole file. Options live in the format object, which every
// call receives. The defaults read and write nothing, which is what a code that names no
// format (or a direction the format does not have) does.
class FormatCodec {
public:
    virtual ~FormatCodec() = default;

    // Reads what comes before the first record. False when the file has no valid header;
    // declared is set (and otherwise left alone) when the header announces a count.
    virtual bool ReadHeader(ByteCursor& input, CDataFormat& format,
                            DeclaredPoints& declared) const;

    // Whether records are lines of text, so that a reader can say on which line it stopped.
    virtual bool ReadsLines() const { return false; }

    // Reads one record, asking for `wanted` values (1 or 2). Nothing when the input ends
    // before a complete record; a record whose conversion yields fewer values than wanted
    // has a count below wanted.
    virtual std::optional<RecordValues> ReadRecord(ByteCursor& input, const CDataFormat& format,
                                                   int wanted) const;

    virtual void WriteHeader(std::string& out, CDataFormat& format, int channels,
                             std::int32_t points) const;

    // One record of point `index`: its one or two values.
    virtual void WriteRecord(std::string& out, const CDataFormat& format, std::int32_t index,
                             std::span<const double> values) const;

    // The range beyond which writing loses data, for the fixed-point formats.
    virtual std::optional<ValueLimits> OverflowLimits(const CDataFormat& format) const;

    // Writes the whole file and returns true, for formats that lay out their file
    // themselves instead of header and records.
    virtual bool WriteWhole(std::string& out, const CDataFormat& format,
                            const WriteColumns& columns) const;
};

// The layout of a code; codes that name no format get the one that reads and writes nothing.
const FormatCodec& CodecFor(FormatCode code);

}  // namespace tapwright
