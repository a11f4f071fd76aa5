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

// trunc(32768 x + 0.5): a negative value is rounded toward zero after the half is added. A
// value beyond the range saturates to the largest or smallest word rather than wrapping, so
// that 1.0 never becomes -1.0 in a firmware table. Not a number gives 0; writers refuse such
// values before they get here.
std::int16_t ToFixedWord(double x);

// The low 16 bits of an integer as a signed word, divided by 32768.
double FromFixedBits(std::uint64_t bits);

// x scaled by 32768, rounded half away from zero and held within -32768 to 32767, the
// rounding of the assembly writer. A value that is not a number gives 0.
std::int32_t ToSaturatedFixed(double x);

}  // namespace tapwright
