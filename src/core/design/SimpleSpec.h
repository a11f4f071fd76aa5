#pragma once

#include <cstdint>
#include <vector>

#include "data/Preferences.h"

namespace tapwright {

class CFirData;

// A simple specification: one lowpass, highpass, bandpass or bandstop given by two band
// frequencies (for the band kinds two bandwidths around a centre), a passband ripple and a
// stopband attenuation in dB, every frequency in the unit of the sampling frequency. It
// checks its fields and turns them into the two or three bands, with gains 1 and 0, of the
// filter's specification. The simple editor builds one from its form, the command line from
// its options.
struct SimpleSpec {
    static constexpr const char* kNotPositiveMessage =
        "Error: All parameters must be greater than zero.";
    static constexpr const char* kAttenuationBelowRippleMessage =
        "Error: The stopband attenuation must be greater than the passband ripple.";
    static constexpr const char* kBandwidthOutsideFsMessage =
        "Error: The passband or stopband bandwidth is outside\n"
        "the range of +/- the sampling frequency.";
    static constexpr const char* kEdgeOutsideHalfFsMessage =
        "Error: The passband or stopband is outside the\n"
        "range of +/- half the sampling frequency.";
    static constexpr const char* kLowpassOrderMessage =
        "Error: for a Lowpass, the passband frequency\n"
        "must be less than the stopband frequency.";
    static constexpr const char* kHighpassOrderMessage =
        "Error: for a Highpass, the passband frequency\n"
        "must be greater than the stopband frequency.";
    static constexpr const char* kBandpassOrderMessage =
        "Error: For a Bandpass, the passband bandwidth\n"
        "must be less than the stopband bandwidth.";
    static constexpr const char* kBandstopOrderMessage =
        "Error: For a Bandstop, the stopband bandwidth\n"
        "must be less than the passband bandwidth.";
    static constexpr const char* kBelowZeroMessage =
        "Error: The center frequency minus half\n"
        "the bandwidth is less than zero.";
    static constexpr const char* kAboveHalfFsMessage =
        "Error: The center frequency plus half the bandwidth is greater than half the "
        "sampling frequency.";

    // One band of the specification: edges in the unit of the sampling frequency, the linear
    // gain, and the ripple or attenuation in dB.
    struct Band {
        double lower;
        double upper;
        double gain;
        float db;
    };

    // The message of the first field that breaks the rules of the kind; null when all hold.
    const char* FirstRefusal(double sampleRate) const;
    // Whether a refusal is about a frequency beyond the range of the sampling frequency, which
    // the user may mean to change rather than the frequency.
    static bool IsBeyondFs(const char* refusal);
    // The two or three bands of the kind.
    std::vector<Band> Bands(double sampleRate) const;
    // Makes the bands the filter's whole specification, with numTaps taps. False when the
    // filter refused a band (after its message); the bands before it are then in place, so
    // a caller that keeps the filter puts the old specification back.
    bool Apply(CFirData& filter, std::int32_t numTaps) const;

    SimpleFilterKind kind = SimpleFilterKind::Lowpass;
    // Passband edge (lowpass, highpass) or the bandwidth at the top, on the passband side
    // (bandpass, bandstop).
    double edge1 = 0.0;
    // Stopband edge, or the bandwidth at the bottom, on the stopband side.
    double edge2 = 0.0;
    double center = 0.0;
    float rippleDb = 0.0f;
    float attenuationDb = 0.0f;
    std::int32_t gridDensity = 16;
};

}  // namespace tapwright
