#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "fileio/FormatCodec.h"

namespace tapwright {

// The part of a text line that a record converts: its first 99 characters, with every comma
// made a blank so that "0.5, -0.25" reads as two numbers. The rest of a longer line is
// dropped rather than read as a record of its own.
std::string RecordText(std::string_view line);

// Text formats read one record per line.
class TextLineCodec : public FormatCodec {
public:
    std::optional<RecordValues> ReadRecord(ByteCursor& input, const CDataFormat& format,
                                           int wanted) const override;
    bool ReadsLines() const override { return true; }

protected:
    virtual RecordValues ConvertLine(std::string_view text) const = 0;
};

// Text formats that are also written: the values of a point separated by a blank, then the
// line end.
class WritableTextCodec : public TextLineCodec {
public:
    void WriteRecord(std::string& out, const CDataFormat& format, std::int32_t index,
                     std::span<const double> values) const override;

protected:
    virtual std::string ValueText(double value) const = 0;
    void AppendValues(std::string& out, std::span<const double> values) const;
};

// "Text:Decimal": one or two decimals per line.
class DecimalTextCodec : public WritableTextCodec {
protected:
    RecordValues ConvertLine(std::string_view text) const override;
    std::string ValueText(double value) const override;
};

// "Text:FIR": a line with the point count, then as "Text:Decimal". A first line that holds
// no count is no header; a count that differs from the points read is reported, and the
// file is read to its end all the same.
class FirTextCodec : public DecimalTextCodec {
public:
    bool ReadHeader(ByteCursor& input, CDataFormat& format,
                    DeclaredPoints& declared) const override;
    void WriteHeader(std::string& out, CDataFormat& format, int channels,
                     std::int32_t points) const override;
};

// "Text:Plot": optional main, Y and X title lines, then the index and the values of each
// point; the data files the plots write read the same way.
class PlotTextCodec : public DecimalTextCodec {
public:
    bool ReadHeader(ByteCursor& input, CDataFormat& format,
                    DeclaredPoints& declared) const override;
    void WriteHeader(std::string& out, CDataFormat& format, int channels,
                     std::int32_t points) const override;
    void WriteRecord(std::string& out, const CDataFormat& format, std::int32_t index,
                     std::span<const double> values) const override;

protected:
    RecordValues ConvertLine(std::string_view text) const override;
};

// "Text:Analyzer" (read only): seven header lines, then a frequency or time and the values.
class AnalyzerTextCodec : public TextLineCodec {
public:
    bool ReadHeader(ByteCursor& input, CDataFormat& format,
                    DeclaredPoints& declared) const override;

protected:
    RecordValues ConvertLine(std::string_view text) const override;
};

// The text formats of 16-bit fixed-point words.
class FixedPointTextCodec : public WritableTextCodec {
public:
    std::optional<ValueLimits> OverflowLimits(const CDataFormat& format) const override;

protected:
    std::string ValueText(double value) const override;
    virtual std::string WordText(std::int16_t word) const = 0;
};

// "Text:Fract": the words as decimal integers (read by the C "%i" rules, so 0x is hex and a
// leading 0 octal).
class FractTextCodec : public FixedPointTextCodec {
protected:
    RecordValues ConvertLine(std::string_view text) const override;
    std::string WordText(std::int16_t word) const override;
};

// "Text:Hex": the words as four hex digits.
class HexTextCodec : public FixedPointTextCodec {
protected:
    RecordValues ConvertLine(std::string_view text) const override;
    std::string WordText(std::int16_t word) const override;
};

// "Text:Binary": the words as sixteen 0/1 digits, most significant first.
class BinaryTextCodec : public FixedPointTextCodec {
protected:
    RecordValues ConvertLine(std::string_view text) const override;
    std::string WordText(std::int16_t word) const override;
};

// "Asm:ADI PM": 24-bit program-memory words, the 16-bit word followed by "00".
class AdiPmTextCodec : public FixedPointTextCodec {
protected:
    RecordValues ConvertLine(std::string_view text) const override;
    std::string WordText(std::int16_t word) const override;
};

}  // namespace tapwright
