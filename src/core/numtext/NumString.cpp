#include "numtext/NumString.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace tapwright {

namespace {

constexpr std::size_t kFormatBufferSize = 80;

std::string Print(const char* format, double value) {
    char buffer[kFormatBufferSize];
    const int written = std::snprintf(buffer, sizeof buffer, format, value);
    return written < 0 ? std::string() : std::string(buffer);
}

// Writes the digits of an unsigned value in the radix, most significant first.
std::string DigitsOf(std::uint32_t value, int radix) {
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string digits;
    do {
        digits.push_back(kDigits[value % static_cast<std::uint32_t>(radix)]);
        value /= static_cast<std::uint32_t>(radix);
    } while (value != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::string IntegerText(std::int32_t value, int radix) {
    if (radix == 10) {
        return std::to_string(value);
    }
    radix = std::clamp(radix, 2, 36);
    return DigitsOf(static_cast<std::uint32_t>(value), radix);
}

}  // namespace

CNumString::CNumString(std::int32_t value, int radix, int width) : radix_(radix) {
    text_ = IntegerText(value, radix);
    if (width > 0 && text_.size() < static_cast<std::size_t>(width)) {
        const char pad = radix == 10 ? ' ' : '0';
        text_.insert(0, static_cast<std::size_t>(width) - text_.size(), pad);
    }
    std::transform(text_.begin(), text_.end(), text_.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
}

CNumString::CNumString(double value, const char* format) : text_(Print(format, value)) {}

CNumString::CNumString(double value, int digits, Notation notation) {
    int exponent = 0;
    if (notation == Notation::Engineering) {
        exponent = EngineeringExponent(value);
        value /= std::pow(10.0, exponent);
    }
    char format[16];
    std::snprintf(format, sizeof format, "%%-.%df", digits);
    text_ = Print(format, value);
    if (exponent != 0) {
        text_ += 'E';
        text_ += std::to_string(exponent);
    }
}

double CNumString::ToDouble() const {
    if (radix_ == 10) {
        double value = 0.0;
        return std::sscanf(text_.c_str(), "%lf", &value) == 1 ? value : 0.0;
    }
    double value = 0.0;
    double weight = 1.0;
    for (auto it = text_.rbegin(); it != text_.rend(); ++it) {
        const int code = std::toupper(static_cast<unsigned char>(*it));
        if (code == ' ') {
            continue;
        }
        const int digit = code - '0' <= 9 ? code - '0' : code - 55;
        value += digit * weight;
        weight *= radix_;
    }
    return value;
}

CNumString& CNumString::TrimZeros() {
    // Only the digits after a point are superfluous: "100" keeps its zeros.
    if (text_.find('.') == std::string::npos) {
        return *this;
    }
    std::size_t last = text_.size() - 1;
    while (last > 1 && text_[last] == '0' && text_[last - 1] != '.') {
        --last;
    }
    text_.resize(last + 1);
    return *this;
}

int EngineeringExponent(double x) {
    if (x == 0.0) {
        return 0;
    }
    const double decades = std::log10(std::fabs(x) * 1.00001);
    const int whole = static_cast<int>(std::trunc(decades));
    int exponent = whole / 3 * 3;
    if (whole < 0 && whole % 3 != 0) {
        exponent -= 3;
    }
    return exponent;
}

double PowerOfTenFloor(double x) { return std::pow(10.0, std::floor(std::log10(x))); }

}  // namespace tapwright
