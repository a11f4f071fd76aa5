#include "platform/Archive.h"

#include <bit>
#include <limits>

namespace tapwright {

namespace {

// Length prefixes of archive texts.
constexpr std::uint8_t kLongLengthByte = 0xFF;
constexpr std::uint16_t kLongestShortLength = 65533;
constexpr std::uint16_t kWideLengthWord = 0xFFFF;
// A 16-bit length the writer never produces: it stands in for a text of another character
// width, which project files do not hold.
constexpr std::uint16_t kUnusedLengthWord = 0xFFFE;

}  // namespace

ArchiveError::ArchiveError(ArchiveErrorKind kind, const std::string& what)
    : std::runtime_error(what), kind_(kind) {}

void ArchiveWriter::WriteLittleEndian(std::uint64_t value, int byteCount) {
    std::uint8_t bytes[sizeof value];
    for (int i = 0; i < byteCount; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    bytes_.insert(bytes_.end(), bytes, bytes + byteCount);
}

void ArchiveWriter::WriteU8(std::uint8_t value) {
    bytes_.push_back(value);
}
void ArchiveWriter::WriteU16(std::uint16_t value) {
    WriteLittleEndian(value, 2);
}
void ArchiveWriter::WriteI16(std::int16_t value) {
    WriteU16(static_cast<std::uint16_t>(value));
}
void ArchiveWriter::WriteU32(std::uint32_t value) {
    WriteLittleEndian(value, 4);
}
void ArchiveWriter::WriteI32(std::int32_t value) {
    WriteU32(static_cast<std::uint32_t>(value));
}
void ArchiveWriter::WriteF32(float value) {
    WriteU32(std::bit_cast<std::uint32_t>(value));
}
void ArchiveWriter::WriteF64(double value) {
    WriteLittleEndian(std::bit_cast<std::uint64_t>(value), 8);
}

void ArchiveWriter::WriteText(std::string_view text) {
    const std::size_t length = text.size();
    if (length > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("text too long for an archive");
    }
    if (length < kLongLengthByte) {
        WriteU8(static_cast<std::uint8_t>(length));
    } else if (length <= kLongestShortLength) {
        WriteU8(kLongLengthByte);
        WriteU16(static_cast<std::uint16_t>(length));
    } else {
        WriteU8(kLongLengthByte);
        WriteU16(kWideLengthWord);
        WriteU32(static_cast<std::uint32_t>(length));
    }
    bytes_.insert(bytes_.end(), text.begin(), text.end());
}

void ArchiveReader::RequireRecords(std::uint64_t count, std::size_t recordSize) const {
    // Dividing instead of multiplying keeps a huge count from overflowing the check.
    if (recordSize != 0 && count > Remaining() / recordSize) {
        throw ArchiveError(ArchiveErrorKind::EndOfFile,
                           "The archive ends before the data it announces.");
    }
}

void ArchiveReader::RequireInRange(std::int64_t value, std::int64_t first, std::int64_t last,
                                   const char* what) {
    if (value < first || value > last) {
        throw ArchiveError(ArchiveErrorKind::Malformed,
                           std::string("The archive holds an impossible ") + what + ": " +
                               std::to_string(value) + ".");
    }
}

std::uint64_t ArchiveReader::ReadLittleEndian(int byteCount) {
    RequireRecords(1, static_cast<std::size_t>(byteCount));
    const std::uint8_t* bytes = bytes_.data() + position_;
    std::uint64_t value = 0;
    for (int i = 0; i < byteCount; ++i) {
        value |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    }
    position_ += static_cast<std::size_t>(byteCount);
    return value;
}

std::uint8_t ArchiveReader::ReadU8() {
    return static_cast<std::uint8_t>(ReadLittleEndian(1));
}
std::uint16_t ArchiveReader::ReadU16() {
    return static_cast<std::uint16_t>(ReadLittleEndian(2));
}
std::int16_t ArchiveReader::ReadI16() {
    return static_cast<std::int16_t>(ReadU16());
}
std::uint32_t ArchiveReader::ReadU32() {
    return static_cast<std::uint32_t>(ReadLittleEndian(4));
}
std::int32_t ArchiveReader::ReadI32() {
    return static_cast<std::int32_t>(ReadU32());
}
float ArchiveReader::ReadF32() {
    return std::bit_cast<float>(ReadU32());
}
double ArchiveReader::ReadF64() {
    return std::bit_cast<double>(ReadLittleEndian(8));
}

std::string ArchiveReader::ReadText() {
    // Read the prefix on a copy of the position so that a failure leaves this one unchanged.
    const std::size_t start = position_;
    try {
        std::uint64_t length = ReadU8();
        if (length == kLongLengthByte) {
            const std::uint16_t word = ReadU16();
            if (word == kUnusedLengthWord) {
                throw ArchiveError(ArchiveErrorKind::Malformed,
                                   "The archive holds a text of an unknown kind.");
            }
            length = word == kWideLengthWord ? ReadU32() : word;
        }
        RequireRecords(length, 1);
        const auto* first = reinterpret_cast<const char*>(bytes_.data() + position_);
        std::string text(first, static_cast<std::size_t>(length));
        position_ += static_cast<std::size_t>(length);
        return text;
    } catch (const ArchiveError&) {
        position_ = start;
        throw;
    }
}

void ArchiveReader::Skip(std::size_t byteCount) {
    RequireRecords(byteCount, 1);
    position_ += byteCount;
}

}  // namespace tapwright
