#pragma once

#include <span>
#include <vector>

namespace tapwright {

// What a band's level is measured on.
enum class BandQuantity {
    Power,                    // |H(f)|^2
    PowerPerSquaredFrequency  // |H(f)|^2 / f^2: a response that should rise with f, as a
                              // differentiator's passband does (its limit at f = 0 is
                              // |dH/df|^2 there)
};

// One band in cycles per sample.
struct BandInterval {
    double lower = 0.0;
    double upper = 0.0;
    BandQuantity quantity = BandQuantity::Power;
};

// The true smallest and largest value of a band's quantity and where they lie (cycles per
// sample).
struct BandExtremes {
    double minValue = 0.0;
    double minFrequency = 0.0;
    double maxValue = 0.0;
    double maxFrequency = 0.0;
};

// Finds, for the real taps h[0 .. N-1], the extremes of each band's quantity over the whole
// continuous band, both edges included, to about 1e-7 relative for any length and any band
// width.
//
// The quantity and its slope are sampled at 32 points per 1/N cycles (a zero-padded FFT
// where the band is wide, Horner's rule where it is narrow), the slope's sign changes
// bracket every interior extremum, a cubic interpolant of the response between the two
// samples (centred, so that it turns slowly) locates each one, and the leading candidates
// are evaluated again on the exact response. Without taps every value is 0.
std::vector<BandExtremes> MeasureBandExtremes(std::span<const double> taps,
                                              std::span<const BandInterval> bands);

}  // namespace tapwright
