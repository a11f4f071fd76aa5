#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tapwright {

// A double in fixed notation with `precision` decimals, padded on the left with blanks to
// `width` characters, and with a blank in place of the sign of a positive value when
// blankSign is set: the layouts "%15.12lf" and "% 15.12lf" of the coefficient files. The
// decimal point is always ".", whatever locale the program runs in, so that files written
// anywhere read back anywhere.
std::string FixedText(double value, int width, int precision, bool blankSign = false);

// Reads numbers one after the other from a line of text, each after optional white space, in
// the ways the coefficient files need them. A read that finds no number leaves the position
// where it was; the next read goes on after the last number read.
class LineScanner {
public:
    explicit LineScanner(std::string_view text) : text_(text) {}

    // A decimal number with optional sign, fraction and exponent (also "inf", "nan" and hex
    // floats). A number a double cannot hold counts as no number. Locale independent.
    std::optional<double> ReadDouble();

    // An integer by the C rules of "%i": a leading 0x makes it hex, a leading 0 octal, and
    // otherwise it is decimal. The value is the low 64 bits of the two's-complement result,
    // so its low bits are right however long the digits run.
    std::optional<std::uint64_t> ReadInteger();

    // A hex integer by the rules of "%x", with an optional 0x prefix; wrapped like ReadInteger.
    std::optional<std::uint64_t> ReadHex();

    bool AtEnd() const { return position_ >= text_.size(); }

    // Whether only white space remains.
    bool OnlySpaceLeft() const;

    // Whether the last integer read fits in `bits` bits, as a signed or an unsigned number:
    // one that does not keeps only its low bits.
    bool LastIntegerFits(int bits) const;

private:
    void SkipSpace();
    // Whether "0x" starts at the position and a hex digit (or, for a float, a point) follows.
    bool HexPrefixAt(std::size_t at, bool pointMayFollow) const;
    // Reads digits of the radix, returning how many there were.
    std::size_t ReadDigits(int radix, std::uint64_t& value);
    std::optional<std::uint64_t> ReadSignedDigits(int radix, bool autoRadix);

    std::string_view text_;
    std::size_t position_ = 0;
    // The magnitude of the last integer read, held at its largest when the digits run past
    // 64 bits, and its sign.
    std::uint64_t lastMagnitude_ = 0;
    bool lastOverflowed_ = false;
    bool lastNegative_ = false;
};

}  // namespace tapwright
