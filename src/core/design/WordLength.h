#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "design/FirData.h"
#include "math/WordLengthSearch.h"

namespace tapwright {

// The symmetry of the taps a response type designs: even for a filter, odd for a
// differentiator or a Hilbert transformer.
TapSymmetry SymmetryOf(ResponseType type);

// The filter's bands as the word-length search's fast guide judges them, with the same
// limits as the filter's own measurement.
std::vector<WordLengthBand> WordLengthBands(const CFirData& filter);

// The Inphase coefficients quantized as Quantize does it, leaving the filter unchanged.
std::vector<double> QuantizedInphase(const CFirData& filter, std::int32_t bits);

// The specification measured on the Inphase coefficients quantized to bits; nothing of the
// filter changes.
CFirData::SpecMeasurement MeasureQuantized(const CFirData& filter, std::int32_t bits);

// The smallest word length for taps judged against the filter's specification.
WordLengthResult SearchFilterWordLength(const CFirData& filter, std::span<const double> taps,
                                        std::int32_t maxBits,
                                        std::function<void(std::int32_t bits)> progress = {});

// One length of the table of taps against bits: the taps designed at that length, the
// word length plain rounding needs, the one found, its integers, and the design margin of
// the quantized filter (not a number when nothing was found).
struct WordLengthRow {
    std::int32_t taps = 0;
    std::vector<double> coefficients;
    std::optional<std::int32_t> bitsRounding;
    std::optional<std::int32_t> bits;
    std::vector<std::int32_t> integers;
    double designMarginDb = 0.0;
};

struct WordLengthOptions {
    std::int32_t extraTaps = 4;
    std::int32_t maxBits = kMaxWordBits;
};

// The table for the filter's specification designed at its own length and at each of the
// next extraTaps lengths it can be designed with (an even length with a passband at Fs/2
// cannot). The filter is left unchanged: every design is made on a copy. status is told
// what is being done, for the status line; it may be empty.
std::vector<WordLengthRow> ComputeWordLengthTable(
    const CFirData& filter, const WordLengthOptions& options,
    const std::function<void(const std::string&)>& status = {});

// Whether some row found a word length.
bool AnyWordLengthFound(const std::vector<WordLengthRow>& rows);

// The message for a table in which no length meets the specification up to maxBits.
std::string NoWordLengthMessage(std::int32_t maxBits);

// Replaces the filter's coefficients with the row's quantized values k / 2^(bits-1): the
// filter takes the row's length, and its Inphase channel the values (the Quadrature
// channel zeros). False, changing nothing, when the row found no word length.
bool ApplyWordLengthRow(CFirData& filter, const WordLengthRow& row);

}  // namespace tapwright
