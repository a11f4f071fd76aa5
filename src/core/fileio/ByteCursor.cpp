#include "fileio/ByteCursor.h"

#include <algorithm>

namespace tapwright {

std::optional<std::string_view> ByteCursor::ReadLine() {
    if (AtEnd()) {
        return std::nullopt;
    }
    const std::size_t end = bytes_.find_first_of("\r\n", position_);
    const std::size_t stop = end == std::string_view::npos ? bytes_.size() : end;
    const std::string_view line = bytes_.substr(position_, stop - position_);
    position_ = stop;
    if (position_ < bytes_.size()) {
        const bool crlf = bytes_[position_] == '\r' && position_ + 1 < bytes_.size() &&
                          bytes_[position_ + 1] == '\n';
        position_ += crlf ? 2 : 1;
    }
    ++linesRead_;
    lastLine_ = line;
    return line;
}

std::optional<std::string_view> ByteCursor::ReadBytes(std::size_t count) {
    if (count > Remaining()) {
        return std::nullopt;
    }
    const std::string_view bytes = bytes_.substr(position_, count);
    position_ += count;
    return bytes;
}

std::optional<std::uint64_t> ByteCursor::ReadLittleEndian(std::size_t byteCount) {
    const auto bytes = ReadBytes(byteCount);
    if (!bytes) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < byteCount; ++i) {
        value |= static_cast<std::uint64_t>(static_cast<unsigned char>((*bytes)[i])) << (8 * i);
    }
    return value;
}

std::optional<std::uint16_t> ByteCursor::ReadU16() {
    const auto value = ReadLittleEndian(2);
    return value ? std::optional<std::uint16_t>(static_cast<std::uint16_t>(*value)) : std::nullopt;
}

std::optional<std::uint32_t> ByteCursor::ReadU32() {
    const auto value = ReadLittleEndian(4);
    return value ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(*value)) : std::nullopt;
}

void ByteCursor::Skip(std::uint64_t count) {
    position_ += static_cast<std::size_t>(std::min<std::uint64_t>(count, Remaining()));
}

}  // namespace tapwright
