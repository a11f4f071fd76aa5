#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tapwright {

// A unit text with the power of ten that is left after a value has been moved into it.
struct UnitLabel {
    std::string unit;
    int exponent = 0;
};

// The sampling frequency with its unit: a row of the table Hz/sec, kHz/ms, MHz/us, GHz/ns.
// Times are in the unit that belongs to the frequency unit of the same row.
class CFreqUnits {
public:
    static constexpr std::int32_t kNumUnits = 4;

    CFreqUnits() = default;
    CFreqUnits(double sampleRate, std::int32_t unitIndex);

    double GetSampleRate() const { return sampleRate_; }
    void SetSampleRate(double sampleRate) { sampleRate_ = sampleRate; }

    // The sampling frequency in Hz: each row is a thousand times the one before.
    double GetSampleRateHz() const;

    std::int32_t GetUnitIndex() const { return unitIndex_; }
    // A row outside the table is clamped to its nearest end.
    void SetUnitIndex(std::int32_t unitIndex);

    const char* FrequencyUnit() const;
    const char* TimeUnit() const;

    // The text form "Hz,sec" of a row, as stored in project files and listed in the
    // sampling-frequency dialog.
    static std::string UnitsText(std::int32_t row);
    std::string GetText() const { return UnitsText(unitIndex_); }

    // Takes the part before the first "," and selects the row whose frequency unit it names,
    // ignoring case. Without a match the row becomes 0 and the result is false.
    bool SetText(std::string_view text);

    // Move a value's engineering exponent (a multiple of 3) into the unit, three decades per
    // row, stopping at the ends of the table: from Hz an exponent of 3 gives kHz and 0, one of
    // 12 gives GHz and 3. A positive exponent moves frequencies toward GHz and times toward
    // sec.
    UnitLabel FrequencyLabel(int exponent) const;
    UnitLabel TimeLabel(int exponent) const;

private:
    double sampleRate_ = 1.0;
    std::int32_t unitIndex_ = 0;
};

}  // namespace tapwright
