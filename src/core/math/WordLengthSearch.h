#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace tapwright {

// How a linear-phase filter's taps mirror each other: h[n] = h[N-1-n], or h[n] = -h[N-1-n]
// with a zero centre tap when N is odd.
enum class TapSymmetry { Even, Odd };

// The smallest and largest word lengths a search tries.
inline constexpr std::int32_t kMinWordBits = 2;
inline constexpr std::int32_t kMaxWordBits = 31;

// The longest filter the local search works on: its grid holds the response of every free
// tap at about 8 N frequencies, which grows with the square of the length. Longer filters
// get plain rounding's word length.
inline constexpr std::size_t kMaxSearchedTaps = 1024;

// One band of a specification as the search's fast guide sees it (cycles per sample).
struct WordLengthBand {
    double lower = 0.0;
    double upper = 0.0;
    bool passband = false;
    // A passband: the largest peak-to-peak ripple in dB. A stopband: the highest level
    // 20 log10 |H| allowed, in dB (minus the attenuation).
    double limitDb = 0.0;
    // When above 0 the passband is judged on |H(f)| / (slope f), a response that should
    // rise with f.
    double slope = 0.0;
};

// What a word-length search is asked: the taps designed in floating point, their
// symmetry, the bands for the fast guide, and the exact judge: the design margin in dB of
// any taps (0 or more meets the specification; not a number fails).
struct WordLengthProblem {
    std::span<const double> taps;
    TapSymmetry symmetry = TapSymmetry::Even;
    std::span<const WordLengthBand> bands;
    std::function<double(std::span<const double>)> exactMargin;
    std::int32_t maxBits = kMaxWordBits;
    // Told the word length about to be searched; may be empty.
    std::function<void(std::int32_t bits)> progress;
};

// What the search found: the smallest word length plain rounding needs, and the smallest
// one for which it found integers (never more than rounding's), with the integers k (the
// tap values are k / 2^(bits-1)) and the exact design margin of those values. A length
// that nothing up to maxBits meets has neither.
struct WordLengthResult {
    std::optional<std::int32_t> bitsRounding;
    std::optional<std::int32_t> bits;
    std::vector<std::int32_t> integers;
    double marginDb = 0.0;
};

// The integers k of the quantize rule (x * 2^(bits-1) rounded half away from zero, held
// within -2^(bits-1) .. 2^(bits-1) - 1) and the values k / 2^(bits-1) they stand for.
std::vector<std::int32_t> RoundToWords(std::span<const double> taps, std::int32_t bits);
std::vector<double> WordsToTaps(std::span<const std::int32_t> words, std::int32_t bits);

// Searches the smallest word length (2 .. maxBits) at which integers that keep the taps'
// symmetry meet the specification. It starts from the smallest word length at which plain
// rounding meets it and tries shorter ones with a local search over small changes of the
// rounded integers, steered by the band margins on a dense grid and confirmed by the
// exact judge: every result returned meets the exact judge. Filters longer than
// kMaxSearchedTaps are only rounded.
WordLengthResult SearchWordLength(const WordLengthProblem& problem);

}  // namespace tapwright
