#include "editors/BandTable.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "numtext/NumString.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

constexpr const char* kNoActual = " ";


bool Within(double value, double low, double high) {
    return low <= value && value <= high;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::string BandTable::NumberText(double value) {
    const std::string sixDecimals = CNumString(value, "%12.6lf").TrimZeros().Text();
    // Twelve digits: a level that went through the filter's weight and back carries noise in
    // the last digits of a double, which would show as 0.4999999999999 for 0.5.
    const std::string fullDigits = CNumString(value, "%12.12g").Text();
    if (NumberOf(sixDecimals) == NumberOf(fullDigits)) {
        return sixDecimals;
    }
    return fullDigits;
}

std::string BandTable::LevelText(double db) {
    return CNumString(db, "%7.3lf").TrimZeros().Text();
}

double BandTable::NumberOf(const std::string& text) {
    return CNumString(text).ToDouble();
}

TypedNumber BandTable::ReadTyped(const std::string& text) {
    std::string number = Trimmed(text);
    // A plus sign is a way of writing a number, though the conversion does not take it.
    if (number.size() > 1 && number.front() == '+' && number[1] != '-' && number[1] != '+') {
        number.erase(0, 1);
    }
    double value = 0.0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    const bool outOfRange = error == std::errc::result_out_of_range;
    if (number.empty() || stop != end || (error != std::errc() && !outOfRange) ||
        std::isnan(value)) {
        return {TypedNumber::Status::NotANumber, 0.0};
    }
    // Beyond the largest double, or below the smallest one that keeps all its digits.
    if (outOfRange || std::isinf(value) ||
        (value != 0.0 && std::fabs(value) < std::numeric_limits<double>::min())) {
        return {TypedNumber::Status::Unrepresentable, 0.0};
    }
    return {TypedNumber::Status::Number, value};
}

TypedNumber BandTable::ParseDesired(const std::string& text, bool gainInDb) {
    const auto first = text.find_first_not_of(' ');
    if (first != std::string::npos) {
        const int letter = std::tolower(static_cast<unsigned char>(text[first]));
        if (letter == 'p') {
            return {TypedNumber::Status::Number, PassValue(gainInDb)};
        }
        if (letter == 's') {
            return {TypedNumber::Status::Number, StopValue(gainInDb)};
        }
    }
    return ReadTyped(text);
}

std::string BandTable::DesiredText(double desired, const DesiredStyle& style) {
    if (style.gainInDb && desired <= StopValue(true)) {
        return kStopbandWord;
    }
    if (style.showPassStop) {
        if (desired == PassValue(style.gainInDb)) {
            return kPassbandWord;
        }
        if (!style.gainInDb && desired == StopValue(false)) {
            return kStopbandWord;
        }
    }
    return NumberText(desired);
}

bool BandTable::Insert(double lower, double upper, double desired, double value,
                       const DesiredStyle& style) {
    // The walk may replace rows before it finds a row the band touches; it works on a copy
    // so that a refused band loses none of them.
    std::vector<BandRow> rows = rows_;
    std::size_t at = 0;
    while (at < rows.size()) {
        const double rowLower = rows[at].values.lower;
        const double rowUpper = rows[at].values.upper;
        if (rowUpper == lower || upper == rowLower) {
            Ui().ShowMessage(kTouchingMessage, MessageButtons::Ok, MessageIcon::Stop);
            return false;
        }
        const bool overlaps =
            Within(lower, rowLower, rowUpper) || Within(upper, rowLower, rowUpper);
        const bool covers = lower <= rowLower && rowUpper <= upper;
        if (overlaps || covers) {
            rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(at));
        } else if (upper >= rowLower) {
            ++at;  // the band lies above this row
        } else {
            break;  // the band lies below this row
        }
    }
    value = std::fabs(value);
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at),
                BandRow{NumberText(lower), NumberText(upper), DesiredText(desired, style),
                        NumberText(value), kNoActual, BandValues{lower, upper, desired, value}});
    rows_ = std::move(rows);
    return true;
}

void BandTable::Delete(std::size_t row) {
    if (row < rows_.size()) {
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
    }
}

void BandTable::SetActual(std::size_t row, std::string text) {
    if (row < rows_.size()) {
        rows_[row].actual = std::move(text);
    }
}

}  // namespace tapwright
