#include "fileio/WaveFormat.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "fileio/ByteCursor.h"
#include "fileio/DataFormat.h"
#include "fileio/FixedPoint.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

constexpr std::size_t kRiffPreambleBytes = 20;  // RIFF, length, WAVE, "fmt ", chunk length
constexpr std::uint32_t kLongestFormatChunk = 18;
constexpr std::size_t kChunkHeaderBytes = 8;
constexpr std::uint16_t kPcmTag = 1;
// The RIFF length counts everything after its own field: the header's 38 further bytes.
constexpr std::uint32_t kRiffLengthOverhead = 38;
constexpr double kByteStep = 0.0078125;  // 1/128
constexpr int kByteOffset = 128;
constexpr int kWordOffset = 32768;

bool Fails(const char* message) {
    Ui().ShowMessage(message, MessageButtons::Ok, MessageIcon::Stop);
    return false;
}

std::uint16_t U16At(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

std::uint32_t U32At(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint32_t>(U16At(bytes, at)) |
           static_cast<std::uint32_t>(U16At(bytes, at + 2)) << 16;
}

void AppendU16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFFu);
    out += static_cast<char>((value >> 8) & 0xFFu);
}

void AppendU32(std::string& out, std::uint32_t value) {
    AppendU16(out, value & 0xFFFFu);
    AppendU16(out, value >> 16);
}

// The format chunk's fields; bytes the chunk does not hold (it may be shorter than 18) count
// as zero.
WaveHeader ParseFormatChunk(std::string_view chunk, std::uint32_t declaredLength) {
    std::array<char, kLongestFormatChunk> fields{};
    std::copy(chunk.begin(), chunk.end(), fields.begin());
    const std::string_view f(fields.data(), fields.size());
    WaveHeader header;
    header.formatLength = declaredLength;
    header.formatTag = U16At(f, 0);
    header.channels = U16At(f, 2);
    header.sampleRate = U32At(f, 4);
    header.byteRate = U32At(f, 8);
    header.blockAlign = U16At(f, 12);
    header.bitsPerSample = U16At(f, 14);
    header.extraSize = U16At(f, 16);
    return header;
}

// Only PCM with one or more channels of 8-bit or 16-bit samples can be read; anything else
// would leave no sample size to step by.
bool IsSupported(const WaveHeader& header) {
    if (header.formatTag != kPcmTag || header.extraSize != 0 || header.channels == 0) {
        return false;
    }
    if (header.bitsPerSample != 8 && header.bitsPerSample != 16) {
        return false;
    }
    return header.blockAlign / header.channels != 0;
}

int BitsOfSizeIndex(std::int32_t sizeIndex) { return sizeIndex == 0 ? 8 : 16; }

double SampleValue(std::string_view bytes, std::size_t at, int sampleBytes) {
    if (sampleBytes == 1) {
        return (static_cast<unsigned char>(bytes[at]) - kByteOffset) * kByteStep;
    }
    return FromFixedBits(U16At(bytes, at));
}

}  // namespace

bool WaveCodec::ReadHeader(ByteCursor& input, CDataFormat& format,
                           DeclaredPoints& declared) const {
    const auto preamble = input.ReadBytes(kRiffPreambleBytes);
    if (!preamble || preamble->substr(0, 4) != "RIFF" || preamble->substr(8, 4) != "WAVE" ||
        preamble->substr(12, 4) != "fmt ") {
        return Fails(kWaveNotValidMessage);
    }
    const std::uint32_t formatLength = U32At(*preamble, 16);
    if (formatLength > kLongestFormatChunk) {
        return Fails(kWaveUnknownFormatMessage);
    }
    const std::size_t available = std::min<std::size_t>(formatLength, input.Remaining());
    WaveHeader header = ParseFormatChunk(*input.ReadBytes(available), formatLength);
    header.riffLength = U32At(*preamble, 4);
    if (!IsSupported(header)) {
        return Fails(kWaveSubFormatMessage);
    }
    for (;;) {
        const auto chunk = input.ReadBytes(kChunkHeaderBytes);
        if (!chunk) {
            return Fails(kWaveNoDataMessage);
        }
        const std::uint32_t length = U32At(*chunk, 4);
        if (chunk->substr(0, 4) == "data") {
            header.dataBytes = length;
            break;
        }
        input.Skip(length);
    }
    const int sampleBytes = header.BytesPerSample();
    format.SetWaveHeader(header);
    format.SetWaveSizeIndex(sampleBytes - 1);
    format.TakeWaveRate(header.sampleRate);
    format.SetCode(sampleBytes == 1 ? FormatCode::Wave8Bit : FormatCode::Wave16Bit);
    declared.limit = header.dataBytes / header.channels / sampleBytes;
    return true;
}

std::optional<RecordValues> WaveCodec::ReadRecord(ByteCursor& input, const CDataFormat& format,
                                                  int wanted) const {
    const WaveHeader& header = format.GetWaveHeader();
    const int sampleBytes = header.BytesPerSample();
    if (sampleBytes == 0 || header.channels == 0) {
        return std::nullopt;
    }
    // A whole frame is read, so the channels after the ones wanted are skipped with it.
    const auto frame = input.ReadBytes(static_cast<std::size_t>(sampleBytes) * header.channels);
    if (!frame) {
        return std::nullopt;
    }
    RecordValues record;
    record.count = std::min<int>(wanted, header.channels);
    for (int i = 0; i < record.count; ++i) {
        record.values[static_cast<std::size_t>(i)] =
            SampleValue(*frame, static_cast<std::size_t>(i * sampleBytes), sampleBytes);
    }
    return record;
}

void WaveCodec::WriteHeader(std::string& out, CDataFormat& format, int channels,
                            std::int32_t points) const {
    WaveHeader header;
    header.formatLength = kLongestFormatChunk;
    header.formatTag = kPcmTag;
    header.channels = static_cast<std::uint16_t>(channels);
    header.sampleRate = format.GetWaveRate();
    header.bitsPerSample = static_cast<std::uint16_t>(BitsOfSizeIndex(format.GetWaveSizeIndex()));
    const std::uint32_t frameBytes = static_cast<std::uint32_t>(channels) * header.BytesPerSample();
    header.byteRate = header.sampleRate * frameBytes;
    header.blockAlign = static_cast<std::uint16_t>(frameBytes);
    header.dataBytes = static_cast<std::uint32_t>(points) * frameBytes;
    header.riffLength = header.dataBytes + kRiffLengthOverhead;

    out += "RIFF";
    AppendU32(out, header.riffLength);
    out += "WAVEfmt ";
    AppendU32(out, header.formatLength);
    AppendU16(out, header.formatTag);
    AppendU16(out, header.channels);
    AppendU32(out, header.sampleRate);
    AppendU32(out, header.byteRate);
    AppendU16(out, header.blockAlign);
    AppendU16(out, header.bitsPerSample);
    AppendU16(out, header.extraSize);
    out += "data";
    AppendU32(out, header.dataBytes);

    format.SetWaveHeader(header);
    format.SetCode(header.bitsPerSample == 8 ? FormatCode::Wave8Bit : FormatCode::Wave16Bit);
}

void WaveCodec::WriteRecord(std::string& out, const CDataFormat& format, std::int32_t,
                            std::span<const double> values) const {
    const bool eightBit = format.GetCode() == FormatCode::Wave8Bit;
    for (const double value : values) {
        const std::int16_t word = ToFixedWord(value);
        if (eightBit) {
            // The high byte of the offset-binary word.
            out += static_cast<char>(((word + kWordOffset) >> 8) & 0xFF);
        } else {
            AppendU16(out, static_cast<std::uint16_t>(word));
        }
    }
}

std::optional<ValueLimits> WaveCodec::OverflowLimits(const CDataFormat& format) const {
    const bool eightBit = format.GetCode() == FormatCode::Wave8Bit ||
                          (format.GetCode() == FormatCode::BinaryWave && format.GetWaveSizeIndex() == 0);
    return ValueLimits{kFixedLowest, eightBit ? kByteHighest : kFixedHighest};
}

}  // namespace tapwright
