#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace tapwright {

// Whether a floating-point value is printed with an engineering exponent (a multiple of
// three, written as "E" and the exponent) or plainly.
enum class Notation { Fixed, Engineering };

// The text of a number as the user sees it everywhere: band lists, messages, plot labels,
// stored preferences and generated source code.
class CNumString {
public:
    CNumString() = default;

    // Text read from somewhere (a file, a field) that denotes a number in the radix.
    explicit CNumString(std::string text, int radix = 10) : text_(std::move(text)), radix_(radix) {}

    // An integer in the given radix, padded on the left to the minimum width (blanks in
    // radix 10, zeros otherwise). Radixes other than 10 show the 32-bit pattern unsigned.
    CNumString(std::int32_t value, int radix, int width);

    // A double printed with a printf-style format, for example "%12.6lf".
    CNumString(double value, const char* format);

    // A double with a fixed number of digits after the point, optionally scaled to an
    // engineering exponent: 1500 with 3 digits gives "1.500E3".
    CNumString(double value, int digits, Notation notation);

    const std::string& Text() const { return text_; }
    int Radix() const { return radix_; }

    // The value the text denotes; text that does not scan in radix 10 gives 0.0.
    double ToDouble() const;

    // Removes superfluous trailing zeros of fixed-point text, keeping one digit after the
    // point: "10.000" becomes "10.0".
    CNumString& TrimZeros();

private:
    std::string text_;
    int radix_ = 10;
};

// The exponent, a multiple of three, that brings |x| into [1, 1000); values a hair below a
// power of ten count as that power. 0 gives 0.
int EngineeringExponent(double x);

// 10 to the power floor(log10(x)), for x > 0.
double PowerOfTenFloor(double x);

}  // namespace tapwright
