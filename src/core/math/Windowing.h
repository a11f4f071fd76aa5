#pragma once

#include <cstdint>

namespace tapwright {

// The data windows, numbered as the window last applied is stored in a signal and in project
// files. A signal that has not been windowed records kNoWindow.
enum class WindowType : std::int32_t {
    BlackmanHarris = 0,
    Hanning = 1,
    Gaussian = 2,
    Hamming = 3,
    KaiserBessel = 4,
};

inline constexpr std::int32_t kNoWindow = -1;
inline constexpr std::int32_t kNumWindowTypes = 5;

// The largest Kaiser-Bessel alpha in magnitude. Beyond about 225 the normaliser I0(alpha pi)
// no longer fits in a double, so every weight would come out as 0 or not a number.
inline constexpr double kMaxKaiserAlpha = 200.0;
inline constexpr const char* kKaiserAlphaMessage =
    "The Kaiser-Bessel alpha must be between -200 and 200.";

// Whether a Kaiser-Bessel window can be computed for alpha (false for a value that is not a
// number).
bool IsUsableKaiserAlpha(double alpha);

// The modified Bessel function of the first kind and order zero, summed as its power series
// until a term changes the sum by less than 1e-20 of it. Each term is derived from the one
// before, so that neither the power nor the factorial overflows on its own; a sum that
// leaves the range of doubles ends the series with infinity.
double BesselI0(double x);

// The weights of a periodic window over n points: the cosine windows divide by n (not
// n - 1), so the last weight differs from the first; the Gaussian is centred on n / 2; the
// Kaiser-Bessel index runs from -1 at the first point to (n - 1 - h) / h at the last, h being
// n / 2 in integers.
class DataWindow {
public:
    // alpha matters for Kaiser-Bessel only and must be usable there.
    DataWindow(WindowType type, double alpha, std::int64_t length);

    // The weight of point i, 0 <= i < length. A type outside the table weighs every point 1.
    double At(std::int64_t i) const;

private:
    double KaiserBessel(std::int64_t i) const;

    WindowType type_;
    double alpha_;
    std::int64_t length_;
    std::int64_t half_;
    double kaiserNormaliser_ = 1.0;
};

}  // namespace tapwright
