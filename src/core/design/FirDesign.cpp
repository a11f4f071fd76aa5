#include "design/FirData.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "design/DesignProgress.h"
#include "design/OptimizeOutcome.h"
#include "math/BandExtremes.h"
#include "math/Constants.h"
#include "math/ResponseQuantity.h"
#include "numtext/NumString.h"

namespace tapwright {

namespace {

// An estimate needs the bands to cover the whole range: the first from (nearly) 0, the
// second up to (nearly) Fs/2.
constexpr double kEstimateLowestEdge = 0.001;
constexpr double kEstimateHighestEdge = 0.499;

// The design margin reported when there is nothing to measure.
constexpr double kNoMarginDb = -120.0;

// When the estimate exceeds the optimisation's cap, the cap offered instead.
constexpr double kLargerCapFactor = 1.25;
// The first length an optimisation tries when no estimate is possible.
constexpr std::int32_t kFirstGuessTaps = 9;

std::string TapText(std::int32_t taps) { return CNumString(taps, 10, 0).Text(); }

// The closed-form length estimate for a lowpass or highpass from the deviations of its
// first and second band and the transition width (cycles per sample), rounded to the
// nearest integer (halves up, then toward zero). Not a number when a deviation is not
// positive.
double RoundedLengthEstimate(double firstDeviation, double secondDeviation, double width) {
    const double l1 = std::log10(firstDeviation);
    const double l2 = std::log10(secondDeviation);
    const double d = (0.005309 * l1 * l1 + 0.07114 * l1 - 0.4761) * l2 +
                     (-0.00266 * l1 * l1 - 0.5941 * l1 - 0.4278);
    const double g = 11.01217 + 0.51244 * (l1 - l2);
    return std::trunc(d / width - g * width + 1.0 + 0.5);
}

// The search of an optimisation over the tap count. lo is a length that failed (or the
// first one tried), hi one that passed (or the cap); the search narrows the gap between
// them to one tap. With a passband at Fs/2 only odd lengths are designed.
class TapSearch {
public:
    TapSearch(CFirData& filter, const CFirData::OptimizeConfirm& confirm)
        : filter_(filter), confirm_(confirm), oddOnly_(filter.PassbandAtNyquist()) {}

    // Chooses the first length and the cap; false when the user declines a cap larger than
    // maxTaps that the estimate asks for.
    bool Start(std::int32_t maxTaps);

    // Designs the first length, then halves it while it passes or grows it while it fails.
    void Bracket();

    // Halves the gap between lo and hi until they are neighbours.
    void Bisect();

    // Leaves the filter designed with hi taps unless the design in place passes already.
    void Settle();

    // A longer design is not always better: while the next shorter valid length passes as
    // well, steps down to it, so that the result is a length whose next shorter one fails.
    void ConfirmShortest();

private:
    bool Meets(std::int32_t taps) {
        const bool meets = filter_.DesignWithTaps(taps);
        if (!meets) {
            failing_.insert(filter_.GetNumTaps());
        }
        return meets;
    }
    std::int32_t MakeOdd(std::int32_t taps, std::int32_t step) const {
        return oddOnly_ && taps % 2 == 0 ? taps + step : taps;
    }
    static std::int32_t LimitCap(std::int32_t cap) { return std::min(cap, CFirData::kMaxTaps); }
    bool AskForLargerCap() const;
    void Shrink();
    void Grow();

    CFirData& filter_;
    const CFirData::OptimizeConfirm& confirm_;
    const bool oddOnly_;
    std::int32_t lo_ = 0;
    std::int32_t hi_ = 0;
    std::int32_t cap_ = 0;
    // Lengths this search designed that failed, so that none is designed twice.
    std::set<std::int32_t> failing_;
};

bool TapSearch::Start(std::int32_t maxTaps) {
    // No filter longer than the largest one the system handles is ever designed.
    cap_ = LimitCap(std::max(maxTaps, filter_.GetNumTaps()));
    if (!filter_.CanEstimate()) {
        lo_ = hi_ = std::min(std::max(filter_.GetNumTaps(), kFirstGuessTaps), cap_);
        return true;
    }
    const std::int32_t estimate = filter_.EstimateTaps();
    if (estimate > cap_) {
        cap_ = static_cast<std::int32_t>(estimate * kLargerCapFactor);
        if (!AskForLargerCap()) {
            return false;
        }
        cap_ = LimitCap(cap_);
    }
    lo_ = hi_ = std::min(estimate, cap_);
    return true;
}

bool TapSearch::AskForLargerCap() const {
    const std::string cap = TapText(cap_);
    const std::string question = "This filter is estimated to take up to " + cap +
                                 " taps.\nOptimize using a maximum of " + cap + " taps?";
    if (!confirm_(question)) {
        return false;
    }
    // The estimate is shown as it is; no design is longer than the largest filter.
    return cap_ <= CFirData::kMaxTaps || confirm_(CFirData::TooManyTapsQuestion());
}

void TapSearch::Bracket() {
    if (Meets(lo_)) {
        Shrink();
    } else {
        Grow();
    }
}

void TapSearch::Shrink() {
    // hi keeps the first passing length while lo halves.
    while (lo_ > CFirData::kMinTaps) {
        lo_ = MakeOdd(lo_ - lo_ / 2, -1);
        if (!Meets(lo_)) {
            return;
        }
    }
    // A passing design of 3 taps cannot be beaten: the search ends on it.
    hi_ = lo_ = filter_.GetNumTaps();
}

void TapSearch::Grow() {
    // lo keeps the failing first length while hi grows by half.
    cap_ = std::max(cap_, filter_.GetNumTaps());
    if (hi_ % 2 == 0) {
        cap_ = LimitCap(cap_ + 1);
    }
    while (true) {
        hi_ = MakeOdd(hi_ + hi_ / 2, 1);
        if (hi_ > cap_) {
            // The cap itself is left undesigned; an even cap is not a length that can be.
            hi_ = MakeOdd(cap_, -1);
            return;
        }
        if (Meets(hi_)) {
            return;
        }
    }
}

void TapSearch::Bisect() {
    while (hi_ - lo_ > 1) {
        std::int32_t mid = (hi_ + lo_) / 2;
        if (oddOnly_ && mid % 2 == 0) {
            if (hi_ - lo_ <= 2) {
                return;
            }
            ++mid;
        }
        if (Meets(mid)) {
            hi_ = filter_.GetNumTaps();
        } else {
            lo_ = filter_.GetNumTaps();
        }
    }
}

void TapSearch::Settle() {
    if (filter_.GetNumTaps() != hi_ && !filter_.MeetsSpec()) {
        Meets(hi_);
    }
}

void TapSearch::ConfirmShortest() {
    std::int32_t passing = filter_.GetNumTaps();
    if (!filter_.MeetsSpec()) {
        return;
    }
    while (true) {
        const std::int32_t shorter = MakeOdd(passing - 1, -1);
        if (shorter < CFirData::kMinTaps || failing_.contains(shorter)) {
            return;
        }
        if (!Meets(shorter)) {
            Meets(passing);
            return;
        }
        passing = filter_.GetNumTaps();
    }
}

}  // namespace

std::string CFirData::TooManyTapsQuestion() {
    const std::string limit = TapText(kMaxTaps);
    return "Tapwright cannot design filters with more than " + limit + " taps.\n" +
           "Design filter using " + limit + " taps?";
}

std::optional<std::string> CFirData::CannotEstimateReason() const {
    if (GetNumBands() != 2) {
        return "Error: Cannot estimate FIR with other than two bands.\n"
               "(Exactly one passband and one stopband is required.)";
    }
    if (IsPassband(0) == IsPassband(1)) {
        return "Cannot estimate if there is not one passband and one stopband.";
    }
    if (responseType_ != ResponseType::Filter) {
        return "Cannot estimate Number of Taps for Differentiator or Hilbert.";
    }
    if (GetLowerEdge(0) > kEstimateLowestEdge || GetUpperEdge(1) < kEstimateHighestEdge) {
        return "Cannot estimate if both the bottom and top of the band are not specified.";
    }
    return std::nullopt;
}

std::int32_t CFirData::EstimateTaps() const {
    if (!CanEstimate()) {
        return numTaps_;
    }
    const double rounded = RoundedLengthEstimate(1.0 / GetBandWeight(0), 1.0 / GetBandWeight(1),
                                                 GetLowerEdge(1) - GetUpperEdge(0));
    if (std::isnan(rounded)) {
        return numTaps_;
    }
    // Held within a range where the integer steps below cannot overflow; the tap limit
    // applies where a design is made, not to the estimate.
    constexpr double kLongestEstimate = 1e9;
    const auto n = static_cast<std::int64_t>(std::clamp(rounded, -1.0, kLongestEstimate));
    const bool lowpass = IsPassband(0);
    // A highpass has a passband at Fs/2 and so needs an odd length.
    const std::int64_t estimate = lowpass ? n + 4 : (n % 2 != 0 ? n : n + 1);
    return static_cast<std::int32_t>(std::max<std::int64_t>(estimate, kMinTaps));
}

DesignOutcome CFirData::Design(const std::string& prefix) {
    lastEngine_ = EngineOutcome{};
    if (auto refusal = CheckSpecification()) {
        return {false, DesignMessage{std::move(*refusal)}};
    }
    // A tap count raised by a quiet validation, or read from a project, has no buffer of
    // its length yet.
    if (designTaps_.size() != static_cast<std::size_t>(numTaps_)) {
        SetNumTaps(numTaps_);
        if (numTaps_ == 0) {
            return {};
        }
    }
    // A count beyond the largest filter has no buffer: the editors ask before they design
    // with kMaxTaps instead; anything else is refused here.
    if (designTaps_.size() != static_cast<std::size_t>(numTaps_)) {
        return {false, DesignMessage{"Error: Cannot design FIR with more than " +
                                     CNumString(kMaxTaps, 10, 0).Text() + " taps."}};
    }
    // An engine that refuses its arguments writes nothing: store zeros, not stale taps.
    std::fill(designTaps_.begin(), designTaps_.end(), 0.0);
    lastEngine_ =
        DesignEquiripple(responseType_, numTaps_, gridDensity_, GetNumBands(), bandEdges_,
                         desiredGain_, bandWeight_, designTaps_, StatusLineProgress(prefix));
    StoreDesign();
    if (lastEngine_.level) {
        return {true, std::nullopt};
    }
    if (MeetsSpec()) {
        return {false, DesignMessage{"The Parks-McClellan design algorithm failed to converge,\n"
                                     "but the filter meets specifications anyway.",
                                     MessageIcon::Information}};
    }
    return {false, DesignMessage{
                       "The Parks-McClellan design algorithm failed to converge.\n"
                       "(You might try changing the grid density or the number of taps.)"}};
}

void CFirData::StoreDesign() {
    Reset();
    CDataColumn& inphase = Inphase();
    CDataColumn& quadrature = Quadrature();
    const std::size_t count =
        std::min(designTaps_.size(), static_cast<std::size_t>(std::max(numTaps_, 0)));
    for (std::size_t i = 0; i < count; ++i) {
        inphase.Add(designTaps_[i]);
        quadrature.Add(0.0);
    }
    SetTimeData(true);
    const CFreqUnits units = GetFrequencyUnits();
    SetFrequencyUnits(units);
    UpdateRange();
}

std::vector<double> CFirData::InphaseTaps() const {
    const CDataColumn& inphase = Inphase();
    std::vector<double> taps(static_cast<std::size_t>(inphase.GetNumPoints()));
    for (std::size_t i = 0; i < taps.size(); ++i) {
        taps[i] = inphase.GetAt(static_cast<std::int32_t>(i));
    }
    return taps;
}

BandInterval CFirData::MeasuredInterval(std::int32_t band) const {
    // A differentiator's passband is judged relative to its desired slope, as the engine
    // weights it: its ripple is the spread of |H(f)| / (D f), not of |H(f)|.
    const bool perSlope = responseType_ == ResponseType::Differentiator && IsPassband(band);
    return {GetLowerEdge(band), GetUpperEdge(band),
            perSlope ? BandQuantity::PowerPerSquaredFrequency : BandQuantity::Power};
}

CFirData::BandLevels CFirData::LevelsFrom(std::int32_t band, const BandExtremes& extremes) const {
    BandLevels levels{extremes.minValue, extremes.maxValue, extremes.minFrequency,
                      extremes.maxFrequency};
    if (MeasuredInterval(band).quantity == BandQuantity::PowerPerSquaredFrequency) {
        const double slope = GetDesiredGain(band);
        levels.minPower /= slope * slope;
        levels.maxPower /= slope * slope;
    }
    return levels;
}

CFirData::BandMeasurement CFirData::Judge(std::int32_t band, const BandLevels& levels) const {
    BandMeasurement measured{levels, 0.0, 0.0, levels.maxFrequency};
    const double minDb = ToDb(levels.minPower, false);
    const double maxDb = ToDb(levels.maxPower, false);
    if (!IsPassband(band)) {
        measured.actualDb = -maxDb;
        measured.marginDb = measured.actualDb - GetAttnRippleDisplay(band, true);
        return measured;
    }
    // A passband with no response at all (no taps, or taps of zeros from a design the engine
    // refused) sits flat at the smallest magnitude: its ripple is unbounded, not 0 dB.
    measured.actualDb = levels.maxPower > kSmallestMagnitude
                            ? maxDb - minDb
                            : std::numeric_limits<double>::infinity();
    measured.marginDb = GetAttnRippleDisplay(band, true) - measured.actualDb;
    // The worst point is the extreme farther from the desired level.
    const bool perSlope = MeasuredInterval(band).quantity == BandQuantity::PowerPerSquaredFrequency;
    const double gain = perSlope ? 1.0 : GetDesiredGain(band);
    const double desiredDb = ToDb(gain * gain, false);
    measured.worstFrequency =
        maxDb - desiredDb >= desiredDb - minDb ? levels.maxFrequency : levels.minFrequency;
    return measured;
}

CFirData::SpecMeasurement CFirData::MeasureSpecification(std::span<const double> taps) const {
    SpecMeasurement spec;
    std::vector<BandInterval> intervals;
    for (std::int32_t band = 0; band < GetNumBands(); ++band) {
        intervals.push_back(MeasuredInterval(band));
    }
    const std::vector<BandExtremes> extremes = MeasureBandExtremes(taps, intervals);
    for (std::int32_t band = 0; band < GetNumBands(); ++band) {
        spec.bands.push_back(Judge(band, LevelsFrom(band, extremes[Row(band)])));
    }
    if (taps.empty() || spec.bands.empty()) {
        spec.designMarginDb = kNoMarginDb;
        return spec;
    }
    spec.designMarginDb = std::numeric_limits<double>::infinity();
    spec.meetsSpec = true;
    for (const BandMeasurement& measured : spec.bands) {
        // A band that cannot be measured (a linear ripple weight below 1) fails, and its
        // margin must not vanish behind the other bands' margins.
        if (std::isnan(measured.marginDb) || std::isnan(spec.designMarginDb)) {
            spec.designMarginDb = std::numeric_limits<double>::quiet_NaN();
        } else {
            spec.designMarginDb = std::min(spec.designMarginDb, measured.marginDb);
        }
        spec.meetsSpec = spec.meetsSpec && measured.marginDb >= 0.0;
    }
    return spec;
}

CFirData::SpecMeasurement CFirData::MeasureSpecification() const {
    return MeasureSpecification(InphaseTaps());
}

CFirData::BandMeasurement CFirData::MeasureBand(std::int32_t band) const {
    const std::vector<double> taps = InphaseTaps();
    const BandInterval interval = MeasuredInterval(band);
    const std::vector<BandExtremes> extremes =
        MeasureBandExtremes(taps, std::span<const BandInterval>(&interval, 1));
    return Judge(band, LevelsFrom(band, extremes.front()));
}

CFirData::BandLevels CFirData::GetBandLevels(std::int32_t band) const {
    return MeasureBand(band).levels;
}

double CFirData::GetBandActualDb(std::int32_t band) const { return MeasureBand(band).actualDb; }

double CFirData::GetBandMargin(std::int32_t band) const { return MeasureBand(band).marginDb; }

double CFirData::GetDesignMargin() const { return MeasureSpecification().designMarginDb; }

bool CFirData::MeetsSpec() const { return MeasureSpecification().meetsSpec; }

bool CFirData::DesignWithTaps(std::int32_t numTaps) {
    numTaps = std::max(numTaps, kMinTaps);
    SetNumTaps(numTaps);
    // A quiet design: the length search judges by the measured result, not by messages.
    Design("NTaps = " + TapText(numTaps) + ", ");
    return MeetsSpec();
}

std::optional<OptimizeOutcome> CFirData::Optimize(std::int32_t maxTaps,
                                                  const OptimizeConfirm& confirm) {
    if (numTaps_ < kMinTaps) {
        SetNumTaps(kMinTaps);
    }
    if (!Validate()) {
        return std::nullopt;
    }
    TapSearch search(*this, confirm);
    if (!search.Start(maxTaps)) {
        return std::nullopt;
    }
    search.Bracket();
    search.Bisect();
    search.Settle();
    search.ConfirmShortest();
    return DescribeOptimizeOutcome(GetDesignMargin(), numTaps_);
}

}  // namespace tapwright
