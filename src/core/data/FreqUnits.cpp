#include "data/FreqUnits.h"

#include <cmath>

#include <algorithm>
#include <array>
#include <cctype>

namespace tapwright {

namespace {

struct UnitRow {
    const char* frequency;
    const char* time;
};

constexpr std::array<UnitRow, CFreqUnits::kNumUnits> kUnits{{
    {"Hz", "sec"},
    {"kHz", "ms"},
    {"MHz", "us"},
    {"GHz", "ns"},
}};

constexpr int kDecadesPerRow = 3;

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::int32_t ClampRow(std::int32_t row) {
    return std::clamp(row, 0, CFreqUnits::kNumUnits - 1);
}

struct RowAndExponent {
    std::int32_t row;
    int exponent;
};

// Moves from row toward higher rows (direction +1) or lower rows (-1) by one row for every
// three decades of a positive exponent, and the other way for a negative one, while the
// table has rows left.
RowAndExponent MoveRow(std::int32_t row, int exponent, int direction) {
    const std::int32_t last = CFreqUnits::kNumUnits - 1;
    const auto canMove = [&](int step) { return step > 0 ? row < last : row > 0; };
    while (exponent > 0 && canMove(direction)) {
        row += direction;
        exponent -= kDecadesPerRow;
    }
    while (exponent < 0 && canMove(-direction)) {
        row -= direction;
        exponent += kDecadesPerRow;
    }
    return {row, exponent};
}

}  // namespace

CFreqUnits::CFreqUnits(double sampleRate, std::int32_t unitIndex)
    : sampleRate_(sampleRate), unitIndex_(ClampRow(unitIndex)) {}

void CFreqUnits::SetUnitIndex(std::int32_t unitIndex) {
    unitIndex_ = ClampRow(unitIndex);
}

const char* CFreqUnits::FrequencyUnit() const {
    return kUnits[static_cast<std::size_t>(unitIndex_)].frequency;
}

const char* CFreqUnits::TimeUnit() const {
    return kUnits[static_cast<std::size_t>(unitIndex_)].time;
}

std::string CFreqUnits::UnitsText(std::int32_t row) {
    const UnitRow& units = kUnits[static_cast<std::size_t>(ClampRow(row))];
    return std::string(units.frequency) + "," + units.time;
}

bool CFreqUnits::SetText(std::string_view text) {
    const std::string_view frequency = text.substr(0, text.find(','));
    for (std::int32_t row = 0; row < kNumUnits; ++row) {
        if (EqualIgnoringCase(frequency, kUnits[static_cast<std::size_t>(row)].frequency)) {
            unitIndex_ = row;
            return true;
        }
    }
    unitIndex_ = 0;
    return false;
}

UnitLabel CFreqUnits::FrequencyLabel(int exponent) const {
    const RowAndExponent moved = MoveRow(unitIndex_, exponent, +1);
    return {kUnits[static_cast<std::size_t>(moved.row)].frequency, moved.exponent};
}

UnitLabel CFreqUnits::TimeLabel(int exponent) const {
    const RowAndExponent moved = MoveRow(unitIndex_, exponent, -1);
    return {kUnits[static_cast<std::size_t>(moved.row)].time, moved.exponent};
}

double CFreqUnits::GetSampleRateHz() const {
    constexpr double kStepPerRow = 1000.0;
    return sampleRate_ * std::pow(kStepPerRow, unitIndex_);
}

}  // namespace tapwright
