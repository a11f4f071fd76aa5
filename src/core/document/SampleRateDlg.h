#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/FreqUnits.h"

namespace tapwright {

// The record of the "Set Sampling Frequency" dialog: the edit "Frequency" and the list
// "Units of Frequency,Time". It starts with the filter's sampling frequency and units and
// keeps nothing between uses.
class CSampleRateDlg {
public:
    static constexpr const char* kTitle = "Set Sampling Frequency";
    static constexpr const char* kFrequencyLabel = "Frequency";
    static constexpr const char* kUnitsLabel = "Units of Frequency,Time";

    explicit CSampleRateDlg(const CFreqUnits& units)
        : frequency(units.GetSampleRate()), unitIndex(units.GetUnitIndex()) {}

    // The rows of the unit list, "Hz,sec" to "GHz,ns".
    static std::vector<std::string> UnitRows();

    // What OK checks before the dialog closes: a frequency that is not a number above 0
    // would make every frequency and time axis infinite, so it is refused with a stop
    // message and the dialog stays open (false).
    bool OnOK() const;

    // The sampling frequency and unit row chosen.
    CFreqUnits Units() const { return CFreqUnits(frequency, unitIndex); }

    double frequency;
    std::int32_t unitIndex;
};

}  // namespace tapwright
