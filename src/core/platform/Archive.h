#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tapwright {

// Why reading an archive stopped: the stream ended before the data it announced, or it holds
// a value that no writer produces (a count beyond any limit, an impossible length).
enum class ArchiveErrorKind { EndOfFile, Malformed };

// Raised by every archive read that cannot be completed. Readers check counts before they
// allocate, so a damaged file fails at once instead of exhausting memory.
class ArchiveError : public std::runtime_error {
public:
    ArchiveError(ArchiveErrorKind kind, const std::string& what);

    ArchiveErrorKind Kind() const { return kind_; }

private:
    ArchiveErrorKind kind_;
};

// Appends little-endian numbers and length-prefixed texts to a byte buffer: the encoding of
// project files.
class ArchiveWriter {
public:
    void WriteU8(std::uint8_t value);
    void WriteU16(std::uint16_t value);
    void WriteI16(std::int16_t value);
    void WriteU32(std::uint32_t value);
    void WriteI32(std::int32_t value);
    void WriteF32(float value);
    void WriteF64(double value);

    // One byte per character after a length prefix: one byte below 255, 0xFF and 16 bits up
    // to 65,533, otherwise 0xFF, 0xFFFF and 32 bits.
    void WriteText(std::string_view text);

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::vector<std::uint8_t> TakeBytes() { return std::move(bytes_); }

private:
    void WriteLittleEndian(std::uint64_t value, int byteCount);

    std::vector<std::uint8_t> bytes_;
};

// Reads what ArchiveWriter writes from a byte buffer it does not own. Every read past the end
// raises ArchiveError (EndOfFile) and leaves the position where it was.
class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint8_t ReadU8();
    std::uint16_t ReadU16();
    std::int16_t ReadI16();
    std::uint32_t ReadU32();
    std::int32_t ReadI32();
    float ReadF32();
    double ReadF64();
    std::string ReadText();

    void Skip(std::size_t byteCount);

    std::size_t Remaining() const { return bytes_.size() - position_; }
    bool AtEnd() const { return Remaining() == 0; }

    // Raises EndOfFile unless count records of recordSize bytes can still follow. Readers
    // call it with a count taken from the stream before they allocate anything for it.
    void RequireRecords(std::uint64_t count, std::size_t recordSize) const;

    // Raises Malformed unless first <= value <= last; what names the value in the message.
    static void RequireInRange(std::int64_t value, std::int64_t first, std::int64_t last,
                               const char* what);

private:
    std::uint64_t ReadLittleEndian(int byteCount);

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace tapwright
