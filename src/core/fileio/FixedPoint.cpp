#include "fileio/FixedPoint.h"

#include <algorithm>
#include <cmath>

namespace tapwright {

namespace {

constexpr double kLowestWord = -32768.0;
constexpr double kHighestWord = 32767.0;

}  // namespace

std::int16_t ToFixedWord(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    const double truncated = std::trunc(kFixedScale * x + 0.5);
    return static_cast<std::int16_t>(std::clamp(truncated, kLowestWord, kHighestWord));
}

double FromFixedBits(std::uint64_t bits) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(bits & 0xFFFFu)) / kFixedScale;
}

std::int32_t ToSaturatedFixed(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    const double rounded = std::round(kFixedScale * x);
    return static_cast<std::int32_t>(std::clamp(rounded, kLowestWord, kHighestWord));
}

}  // namespace tapwright
