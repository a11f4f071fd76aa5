#pragma once

#include <cstdint>

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;

// The record of the "Fill Coefficients With Constant" dialog: "Number of Taps:",
// "Constant:" and the check box "= 1 / NTaps", which keeps the constant at the reciprocal of
// the tap count. The document keeps one between uses and stores it in the project file.
class CCombFill {
public:
    static constexpr const char* kTitle = "Fill Coefficients With Constant";

    // The check box was clicked (oneOverTaps holds its new state) or the tap count was
    // edited: while the box is checked and the count is above 0 the constant becomes
    // 1 / taps.
    void OnOneOverTapsClicked() { ApplyOneOverTaps(); }
    void OnTapsEdited() { ApplyOneOverTaps(); }

    // Project-file fields: taps (32 bits), constant (double), the check box (32 bits).
    // Reading checks the constant and changes nothing unless all three could be read.
    void Serialize(ArchiveWriter& archive) const;
    void Serialize(ArchiveReader& archive);

    std::int32_t taps = 0;
    double constant = 0.0;
    bool oneOverTaps = true;

private:
    void ApplyOneOverTaps();
};

}  // namespace tapwright
