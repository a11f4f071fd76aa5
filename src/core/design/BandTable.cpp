#include "design/BandTable.h"

#include <cctype>
#include <cmath>

#include "numtext/NumString.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

constexpr const char* kNoActual = " ";

bool Within(double value, double low, double high) {
    return low <= value && value <= high;
}

}  // namespace

std::string BandTable::NumberText(double value) {
    return CNumString(value, "%12.6lf").TrimZeros().Text();
}

std::string BandTable::LevelText(double db) {
    return CNumString(db, "%7.3lf").TrimZeros().Text();
}

double BandTable::NumberOf(const std::string& text) {
    return CNumString(text).ToDouble();
}

double BandTable::ParseDesired(const std::string& text, bool gainInDb) {
    const auto first = text.find_first_not_of(' ');
    if (first != std::string::npos) {
        const int letter = std::tolower(static_cast<unsigned char>(text[first]));
        if (letter == 'p') {
            return PassValue(gainInDb);
        }
        if (letter == 's') {
            return StopValue(gainInDb);
        }
    }
    return NumberOf(text);
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
        const double rowLower = NumberOf(rows[at].lower);
        const double rowUpper = NumberOf(rows[at].upper);
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
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at),
                BandRow{NumberText(lower), NumberText(upper), DesiredText(desired, style),
                        NumberText(std::fabs(value)), kNoActual});
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
