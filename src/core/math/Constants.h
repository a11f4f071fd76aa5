#pragma once

namespace tapwright {

// Constants shared by every computation on samples and responses.
inline constexpr double kPi = 3.141592653589793;
inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kHalfPi = 1.5707963267948966;
inline constexpr double kDegreesPerRadian = 180.0 / kPi;

// Where logarithms of magnitudes are taken, magnitudes are held at least this large and
// levels at least this low; both are single precision (1e-40 is a subnormal float).
inline constexpr float kSmallestMagnitude = 1e-40f;
inline constexpr float kLowestLevelDb = -400.0f;

}  // namespace tapwright
