#pragma once

#include <cstdint>

namespace tapwright {

// What ScaleTo measures the coefficients by, in the order of the scale dialog's buttons.
enum class ScaleMode : std::int32_t {
    GainAtDc = 0,         // the response at frequency 0: the coefficient sum
    GainAtFrequency = 1,  // the magnitude of the response at a frequency
    MaxCoefficient = 2,   // the largest coefficient (signed)
    SumOfMagnitudes = 3,  // the sum of |coefficient|
    SumOfSquares = 4,     // the sum of coefficient squares, not its root
    Multiply = 5,         // a measure of 1: the value is the factor itself
};

inline constexpr std::int32_t kNumScaleModes = 6;

inline constexpr const char* kScaleZeroReferenceMessage =
    "Cannot scale data because all coefficients are zero.";
inline constexpr const char* kScaleNotANumberMessage =
    "Cannot scale data because the measured reference is not a finite number.";
inline constexpr const char* kScaleByZeroQuestion =
    "Scale value is 0.0 (linear).\nTherefore, scaling will clear all data.\nScale anyway?";

// Quantizing keeps the scale 2^(bits - 1) within 32-bit words.
inline constexpr std::int32_t kMinQuantizeBits = 1;
inline constexpr std::int32_t kMaxQuantizeBits = 31;

inline constexpr const char* kQuantizeBitsMessage =
    "Cannot quantize the coefficients.\nThe number of bits must be from 1 to 31.";

}  // namespace tapwright
