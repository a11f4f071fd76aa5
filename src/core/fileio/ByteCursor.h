#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tapwright {

// Reads a coefficient file held in memory: lines of text or little-endian binary fields.
// Nothing is ever read past the end; a read that does not fit returns nothing.
class ByteCursor {
public:
    explicit ByteCursor(std::string_view bytes) : bytes_(bytes) {}

    bool AtEnd() const { return position_ >= bytes_.size(); }
    std::size_t Remaining() const { return bytes_.size() - position_; }

    // The next line without its end (LF, CR LF or a lone CR); a last line without an end
    // counts too. Nothing at the end of the bytes.
    std::optional<std::string_view> ReadLine();

    // How many lines ReadLine has given since the start, and the last of them: where a
    // reader stopped, for the message that says so.
    std::size_t LinesRead() const { return linesRead_; }
    std::string_view LastLine() const { return lastLine_; }

    // The position in bytes from the start.
    std::size_t Position() const { return position_; }

    // The next count bytes; nothing (and the position unchanged) when fewer remain.
    std::optional<std::string_view> ReadBytes(std::size_t count);

    std::optional<std::uint16_t> ReadU16();
    std::optional<std::uint32_t> ReadU32();

    // Moves on by count bytes, stopping at the end.
    void Skip(std::uint64_t count);

    // Back to the first byte, as if the file had been opened again.
    void Rewind() {
        position_ = 0;
        linesRead_ = 0;
        lastLine_ = {};
    }

private:
    std::optional<std::uint64_t> ReadLittleEndian(std::size_t byteCount);

    std::string_view bytes_;
    std::size_t position_ = 0;
    std::size_t linesRead_ = 0;
    std::string_view lastLine_;
};

}  // namespace tapwright
