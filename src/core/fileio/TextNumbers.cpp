#include "fileio/TextNumbers.h"

#include <array>
#include <charconv>
#include <system_error>

namespace tapwright {

namespace {

// Enough for the fixed text of any double: 309 integer digits, the point and the decimals.
constexpr std::size_t kFixedBufferSize = 400;
constexpr int kLargestPrecision = 60;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 10;
    }
    return 99;
}

bool IsDigitOf(char c, int radix) { return DigitValue(c) < radix; }

}  // namespace

std::string FixedText(double value, int width, int precision, bool blankSign) {
    std::array<char, kFixedBufferSize> buffer{};
    const int digits = precision < 0 ? 0 : (precision > kLargestPrecision ? kLargestPrecision
                                                                           : precision);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, digits);
    std::string text(buffer.data(), result.ec == std::errc() ? result.ptr : buffer.data());
    if (blankSign && (text.empty() || text.front() != '-')) {
        text.insert(text.begin(), ' ');
    }
    if (text.size() < static_cast<std::size_t>(width < 0 ? 0 : width)) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

bool LineScanner::HexPrefixAt(std::size_t at, bool pointMayFollow) const {
    if (at + 2 >= text_.size() || text_[at] != '0' || (text_[at + 1] != 'x' && text_[at + 1] != 'X')) {
        return false;
    }
    const char next = text_[at + 2];
    return IsDigitOf(next, 16) || (pointMayFollow && next == '.');
}

void LineScanner::SkipSpace() {
    while (position_ < text_.size() && IsSpace(text_[position_])) {
        ++position_;
    }
}

std::optional<double> LineScanner::ReadDouble() {
    const std::size_t start = position_;
    SkipSpace();
    std::size_t at = position_;
    bool negative = false;
    if (at < text_.size() && (text_[at] == '+' || text_[at] == '-')) {
        negative = text_[at] == '-';
        ++at;
    }
    auto format = std::chars_format::general;
    if (HexPrefixAt(at, true)) {
        format = std::chars_format::hex;
        at += 2;
    }
    const char* first = text_.data() + at;
    const char* last = text_.data() + text_.size();
    // from_chars takes its own minus sign only; a second sign is no number.
    if (first != last && (*first == '+' || *first == '-')) {
        position_ = start;
        return std::nullopt;
    }
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, format);
    if (result.ec != std::errc()) {
        position_ = start;
        return std::nullopt;
    }
    position_ = static_cast<std::size_t>(result.ptr - text_.data());
    return negative ? -value : value;
}

bool LineScanner::OnlySpaceLeft() const {
    for (std::size_t at = position_; at < text_.size(); ++at) {
        if (!IsSpace(text_[at])) {
            return false;
        }
    }
    return true;
}

bool LineScanner::LastIntegerFits(int bits) const {
    if (lastOverflowed_ || bits >= 64) {
        return !lastOverflowed_;
    }
    const std::uint64_t unsignedLimit = (std::uint64_t{1} << bits) - 1;
    const std::uint64_t negativeLimit = std::uint64_t{1} << (bits - 1);
    return lastMagnitude_ <= (lastNegative_ ? negativeLimit : unsignedLimit);
}

std::size_t LineScanner::ReadDigits(int radix, std::uint64_t& value) {
    std::size_t count = 0;
    constexpr std::uint64_t kLargest = ~std::uint64_t{0};
    lastOverflowed_ = false;
    while (position_ < text_.size() && IsDigitOf(text_[position_], radix)) {
        const auto digit = static_cast<std::uint64_t>(DigitValue(text_[position_]));
        const auto base = static_cast<std::uint64_t>(radix);
        lastOverflowed_ = lastOverflowed_ || value > (kLargest - digit) / base;
        value = value * base + digit;
        ++position_;
        ++count;
    }
    return count;
}

std::optional<std::uint64_t> LineScanner::ReadSignedDigits(int radix, bool autoRadix) {
    const std::size_t start = position_;
    SkipSpace();
    bool negative = false;
    if (position_ < text_.size() && (text_[position_] == '+' || text_[position_] == '-')) {
        negative = text_[position_] == '-';
        ++position_;
    }
    if (HexPrefixAt(position_, false) && (autoRadix || radix == 16)) {
        radix = 16;
        position_ += 2;
    } else if (autoRadix) {
        radix = position_ < text_.size() && text_[position_] == '0' ? 8 : 10;
    }
    std::uint64_t value = 0;
    if (ReadDigits(radix, value) == 0) {
        position_ = start;
        return std::nullopt;
    }
    lastMagnitude_ = value;
    lastNegative_ = negative;
    return negative ? ~value + 1 : value;
}

std::optional<std::uint64_t> LineScanner::ReadInteger() { return ReadSignedDigits(10, true); }

std::optional<std::uint64_t> LineScanner::ReadHex() { return ReadSignedDigits(16, false); }

}  // namespace tapwright
