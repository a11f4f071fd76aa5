#include "design/WordLength.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "numtext/NumString.h"

namespace tapwright {

namespace {

// A length the specification can be designed with.
bool IsDesignableLength(const CFirData& filter, std::int32_t taps) {
    return taps >= CFirData::kMinTaps && taps <= CFirData::kMaxTaps &&
           !(taps % 2 == 0 && filter.PassbandAtNyquist());
}

std::string IntegerText(std::int32_t value) { return CNumString(value, 10, 0).Text(); }

WordLengthRow MakeRow(const CFirData& filter, std::int32_t taps, std::int32_t maxBits,
                      const std::function<void(const std::string&)>& status) {
    CFirData copy = filter;
    copy.DesignWithTaps(taps);
    WordLengthRow row;
    row.taps = copy.GetNumTaps();
    row.coefficients = copy.InphaseTaps();
    const std::string prefix = "Word length: " + IntegerText(row.taps) + " taps, ";
    const auto progress = [&status, &prefix](std::int32_t bits) {
        if (status) {
            status(prefix + IntegerText(bits) + " bits...");
        }
    };
    WordLengthResult found = SearchFilterWordLength(copy, row.coefficients, maxBits, progress);
    row.bitsRounding = found.bitsRounding;
    row.bits = found.bits;
    row.integers = std::move(found.integers);
    row.designMarginDb = found.bits ? found.marginDb : std::numeric_limits<double>::quiet_NaN();
    return row;
}

}  // namespace

TapSymmetry SymmetryOf(ResponseType type) {
    return type == ResponseType::Filter ? TapSymmetry::Even : TapSymmetry::Odd;
}

std::vector<WordLengthBand> WordLengthBands(const CFirData& filter) {
    std::vector<WordLengthBand> bands;
    for (std::int32_t band = 0; band < filter.GetNumBands(); ++band) {
        WordLengthBand guide;
        guide.lower = filter.GetLowerEdge(band);
        guide.upper = filter.GetUpperEdge(band);
        guide.passband = filter.IsPassband(band);
        const double specDb = filter.GetAttnRippleDisplay(band, true);
        // The measurement's stopband level carries the data set's dB offset; a ripple does
        // not, being a difference of two levels.
        guide.limitDb = guide.passband ? specDb : -specDb - filter.GetDbOffset();
        if (guide.passband && filter.GetResponseType() == ResponseType::Differentiator) {
            guide.slope = filter.GetDesiredGain(band);
        }
        bands.push_back(guide);
    }
    return bands;
}

std::vector<double> QuantizedInphase(const CFirData& filter, std::int32_t bits) {
    const std::vector<double> taps = filter.InphaseTaps();
    return WordsToTaps(RoundToWords(taps, bits), bits);
}

CFirData::SpecMeasurement MeasureQuantized(const CFirData& filter, std::int32_t bits) {
    return filter.MeasureSpecification(QuantizedInphase(filter, bits));
}

WordLengthResult SearchFilterWordLength(const CFirData& filter, std::span<const double> taps,
                                        std::int32_t maxBits,
                                        std::function<void(std::int32_t bits)> progress) {
    const std::vector<WordLengthBand> bands = WordLengthBands(filter);
    WordLengthProblem problem;
    problem.taps = taps;
    problem.symmetry = SymmetryOf(filter.GetResponseType());
    problem.bands = bands;
    problem.exactMargin = [&filter](std::span<const double> candidate) {
        return filter.MeasureSpecification(candidate).designMarginDb;
    };
    problem.maxBits = maxBits;
    problem.progress = std::move(progress);
    return SearchWordLength(problem);
}

std::vector<WordLengthRow> ComputeWordLengthTable(
    const CFirData& filter, const WordLengthOptions& options,
    const std::function<void(const std::string&)>& status) {
    std::vector<WordLengthRow> rows;
    std::int32_t taps = std::max(filter.GetNumTaps(), CFirData::kMinTaps);
    const std::int32_t wanted = 1 + std::max(options.extraTaps, 0);
    for (; taps <= CFirData::kMaxTaps && static_cast<std::int32_t>(rows.size()) < wanted; ++taps) {
        if (!IsDesignableLength(filter, taps)) {
            continue;
        }
        if (status) {
            status("Word length: " + IntegerText(taps) + " taps...");
        }
        rows.push_back(MakeRow(filter, taps, options.maxBits, status));
    }
    return rows;
}

bool AnyWordLengthFound(const std::vector<WordLengthRow>& rows) {
    return std::any_of(rows.begin(), rows.end(),
                       [](const WordLengthRow& row) { return row.bits.has_value(); });
}

std::string NoWordLengthMessage(std::int32_t maxBits) {
    return "No word length up to " + IntegerText(maxBits) +
           " bits meets the specification.\n"
           "(Quantized coefficients of every length tried fail at least one band.)";
}

bool ApplyWordLengthRow(CFirData& filter, const WordLengthRow& row) {
    if (!row.bits || row.integers.size() != static_cast<std::size_t>(row.taps)) {
        return false;
    }
    const std::vector<double> values = WordsToTaps(row.integers, *row.bits);
    filter.SetNumTaps(row.taps);
    const std::span<double> store = filter.DesignTaps();
    if (store.size() != values.size()) {
        return false;
    }
    std::copy(values.begin(), values.end(), store.begin());
    filter.StoreDesign();
    return true;
}

}  // namespace tapwright
