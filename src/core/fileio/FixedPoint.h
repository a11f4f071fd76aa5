#pragma once

#include <cstdint>

namespace tapwright {

// Fixed-point words of the coefficient files: 16-bit two's complement scaled by 32,768, so a
// word holds -1.0 to 32767/32768.
inline constexpr double kFixedScale = 32768.0;
inline constexpr double kFixedLowest = -1.0;
inline constexpr double kFixedHighest = 32767.0 / 32768.0;
// 8-bit WAVE samples keep only the high byte of the word: -1.0 to 127/128.
inline constexpr double kByteHighest = 127.0 / 128.0;

// trunc(32768 x + 0.5), keeping the low 16 bits: a value beyond the range wraps, and a
// negative one is rounded toward zero after the half is added. A value that is not finite
// gives 0.
std::int16_t ToFixedWord(double x);

// The low 16 bits of an integer as a signed word, divided by 32768.
double FromFixedBits(std::uint64_t bits);

// x scaled by 32768, rounded half away from zero and held within -32768 to 32767: the
// source-code writers saturate where the data formats wrap. A value that is not a number
// gives 0.
std::int32_t ToSaturatedFixed(double x);

}  // namespace tapwright
