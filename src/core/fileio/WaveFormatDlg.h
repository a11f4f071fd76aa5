#pragma once

#include <cstdint>

namespace tapwright {

// The "Wave File Format" dialog: the sample size and sample frequency of WAVE files written.
class CWaveFormatDlg {
public:
    static constexpr const char* kCaption = "Wave File Format";

    std::int32_t sizeIndex = 0;  // 0: 8 bits, 1: 16 bits
    std::int32_t rateIndex = 0;  // 0: 11025 Hz, 1: 22050 Hz, 2: 44100 Hz
};

}  // namespace tapwright
