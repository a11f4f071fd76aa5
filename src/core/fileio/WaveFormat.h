#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "fileio/FormatCodec.h"

namespace tapwright {

// The messages with which a WAVE header is refused, in the order of the checks.
inline constexpr const char* kWaveNotValidMessage = "Error: this is not a valid WAVE file.";
inline constexpr const char* kWaveUnknownFormatMessage =
    "Error: This file contains unknown formatting information.";
inline constexpr const char* kWaveSubFormatMessage =
    "Error: This file uses an unsupported WAVE sub-format.";
inline constexpr const char* kWaveNoDataMessage =
    "Error in WAVE header.  The chunk named 'data' was not found.";

// "Binary:Wave": PCM audio with 8-bit or 16-bit samples, one or two channels written, any
// number read (the first one or two are kept). The format object holds the sample code 100
// (8 bits) or 101 (16 bits) once a header has been read or written.
class WaveCodec : public FormatCodec {
public:
    // The length of the header the program writes.
    static constexpr std::size_t kHeaderBytes = 46;

    // Parses the RIFF header, the format chunk and the chunk headers up to "data", skipping
    // any other chunk; refuses what it cannot read with a message. The declared point count
    // is only a limit: the samples the file really holds are all that is read.
    bool ReadHeader(ByteCursor& input, CDataFormat& format,
                    DeclaredPoints& declared) const override;
    std::optional<RecordValues> ReadRecord(ByteCursor& input, const CDataFormat& format,
                                           int wanted) const override;
    void WriteHeader(std::string& out, CDataFormat& format, int channels,
                     std::int32_t points) const override;
    void WriteRecord(std::string& out, const CDataFormat& format, std::int32_t index,
                     std::span<const double> values) const override;
    std::optional<ValueLimits> OverflowLimits(const CDataFormat& format) const override;
};

}  // namespace tapwright
