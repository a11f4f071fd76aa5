#pragma once

#include <array>
#include <string>

#include "design/CoefficientOps.h"

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;

// The record of the "Scale Filter" dialog: the group "Scale Using:" with one button per
// scale mode, the frequency after "Gain at" followed by the unit label, and the group
// "Scale to Value:" with the value and the check box "dB". The document keeps one between
// uses and stores it in the project file (all but the unit label).
class CScaleDlg {
public:
    static constexpr const char* kTitle = "Scale Filter";
    // Captions of the mode buttons, in mode order.
    static constexpr std::array<const char*, kNumScaleModes> kModeCaptions = {
        "Gain at DC (coefficient sum)",  "Gain at",
        "Maximum coefficient magnitude", "Sum of coefficient magnitudes",
        "Sum of coefficient squares",    "Multiply coefficients by"};

    // The value the measure is scaled to: the value itself, or 10^(value / 20) when it is in
    // dB (so 0 dB is a factor of 1).
    double ScaleValue() const;

    // Project-file fields: frequency (double), mode (32 bits), value (double), dB flag
    // (32 bits). Reading checks every field and changes nothing unless all could be read.
    void Serialize(ArchiveWriter& archive) const;
    void Serialize(ArchiveReader& archive);

    double frequency = 0.0;
    ScaleMode mode = ScaleMode::GainAtDc;
    double value = 0.0;
    bool valueInDb = true;
    // Shown beside the frequency; the scale command puts the data's frequency unit here.
    std::string unitLabel = "Hz";
};

}  // namespace tapwright
