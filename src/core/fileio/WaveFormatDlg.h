#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tapwright {

// One sample frequency the dialog offers: the rate index it stands for and its caption in
// kHz.
struct WaveRateChoice {
    std::int32_t index;
    std::string caption;
};

// The "Wave File Format" dialog: the sample size and sample frequency of WAVE files written.
class CWaveFormatDlg {
public:
    static constexpr const char* kCaption = "Wave File Format";

    std::int32_t sizeIndex = 0;  // 0: 8 bits, 1: 16 bits
    // An index of CDataFormat's WAVE rates: 0: 11025 Hz, 1: 22050 Hz, 2: 44100 Hz (the codes
    // older projects hold), then the other common rates and the project's own.
    std::int32_t rateIndex = 0;
    // The project's sampling frequency in whole Hz, offered as a rate of its own; 0 when it
    // has none that a WAVE file can hold.
    std::uint32_t projectRateHz = 0;

    // The rates offered, lowest first; the project's own last when there is one.
    std::vector<WaveRateChoice> RateChoices() const;
};

}  // namespace tapwright
