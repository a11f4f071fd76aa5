#pragma once

#include <array>

#include "math/Windowing.h"

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;

// The record of the "Window Filter Coefficients" dialog: one radio button per window type
// and the alpha field of Kaiser-Bessel. The document keeps one between uses (Blackman-Harris
// and alpha 4.0 at first) and stores it in the project file.
class CWindowDlg {
public:
    static constexpr const char* kTitle = "Window Filter Coefficients";
    static constexpr const char* kPrompt = "Select the data window type";
    // Captions of the buttons, in type order.
    static constexpr std::array<const char*, kNumWindowTypes> kTypeCaptions = {
        "Blackman-Harris", "Hanning (Cosine)", "Gaussian", "Hamming", "Kaiser-Bessel, Alpha ="};

    // The alpha field has received the input focus: typing an alpha means Kaiser-Bessel.
    void OnAlphaFocus() { type = WindowType::KaiserBessel; }

    // What OK checks before the dialog closes: a Kaiser-Bessel alpha that cannot be computed
    // is reported and the dialog stays open (false).
    bool OnOK() const;

    // Project-file fields: the type as 16 bits, then alpha as a float. Reading checks both
    // and changes nothing unless both could be read.
    void Serialize(ArchiveWriter& archive) const;
    void Serialize(ArchiveReader& archive);

    WindowType type = WindowType::BlackmanHarris;
    float alpha = 4.0f;
};

}  // namespace tapwright
