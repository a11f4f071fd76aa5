#include "fileio/FixedPoint.h"

#include <algorithm>
#include <cmath>

namespace tapwright {

namespace {

constexpr double kWordModulus = 65536.0;

}  // namespace

std::int16_t ToFixedWord(double x) {
    const double truncated = std::trunc(kFixedScale * x + 0.5);
    if (!std::isfinite(truncated)) {
        return 0;
    }
    // fmod of an integral double is exact, so this is the low 16 bits at any magnitude.
    double low = std::fmod(truncated, kWordModulus);
    if (low < 0.0) {
        low += kWordModulus;
    }
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(low));
}

double FromFixedBits(std::uint64_t bits) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(bits & 0xFFFFu)) / kFixedScale;
}

std::int32_t ToSaturatedFixed(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    const double rounded = std::round(kFixedScale * x);
    return static_cast<std::int32_t>(std::clamp(rounded, -32768.0, 32767.0));
}

}  // namespace tapwright
