#include "fileio/FormatCodec.h"

#include "fileio/BinaryFormats.h"
#include "fileio/CSourceWriter.h"
#include "fileio/TextFormats.h"
#include "fileio/TiAsmWriter.h"
#include "fileio/WaveFormat.h"

namespace tapwright {

bool FormatCodec::ReadHeader(ByteCursor&, CDataFormat&, DeclaredPoints&) const { return true; }

std::optional<RecordValues> FormatCodec::ReadRecord(ByteCursor&, const CDataFormat&, int) const {
    return std::nullopt;
}

void FormatCodec::WriteHeader(std::string&, CDataFormat&, int, std::int32_t) const {}

void FormatCodec::WriteRecord(std::string&, const CDataFormat&, std::int32_t,
                              std::span<const double>) const {}

std::optional<ValueLimits> FormatCodec::OverflowLimits(const CDataFormat&) const {
    return std::nullopt;
}

bool FormatCodec::WriteWhole(std::string&, const CDataFormat&, const WriteColumns&) const {
    return false;
}

const FormatCodec& CodecFor(FormatCode code) {
    static const FormatCodec kNoFormat;
    static const DecimalTextCodec kDecimal;
    static const PlotTextCodec kPlot;
    static const FirTextCodec kFir;
    static const FractTextCodec kFract;
    static const HexTextCodec kHex;
    static const BinaryTextCodec kBinaryText;
    static const AnalyzerTextCodec kAnalyzer;
    static const CSourceCodec kCSource;
    static const RawBinaryCodec<float> kFloat;
    static const RawBinaryCodec<double> kDouble;
    static const WaveCodec kWave;
    static const TiAsmCodec kTiAsm;
    static const AdiPmTextCodec kAdiPm;

    switch (code) {
        case FormatCode::TextDecimal:
            return kDecimal;
        case FormatCode::TextPlot:
            return kPlot;
        case FormatCode::TextFir:
            return kFir;
        case FormatCode::TextFract:
            return kFract;
        case FormatCode::TextHex:
            return kHex;
        case FormatCode::TextBinary:
            return kBinaryText;
        case FormatCode::TextAnalyzer:
            return kAnalyzer;
        case FormatCode::TextC:
            return kCSource;
        case FormatCode::BinaryFloat:
            return kFloat;
        case FormatCode::BinaryDouble:
            return kDouble;
        case FormatCode::BinaryWave:
        case FormatCode::Wave8Bit:
        case FormatCode::Wave16Bit:
            return kWave;
        case FormatCode::AsmTi:
            return kTiAsm;
        case FormatCode::AsmAdiPm:
            return kAdiPm;
        case FormatCode::None:
            break;
    }
    return kNoFormat;
}

}  // namespace tapwright
