#include "design/FirData.h"

#include <cmath>
#include <limits>
#include <new>
#include <string>

#include "platform/Archive.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

// A band whose upper edge lies above this reaches Fs/2.
constexpr double kNyquistEdge = 0.499999;
// Linear gains below this are shown as 0.
constexpr double kSmallestShownGain = 0.00001;
// The desired gain in dB shown for a stopband.
constexpr double kStopbandDb = -1000.0;

constexpr std::size_t kBandRecordBytes = 4 * sizeof(double);

void ShowError(const std::string& text) {
    Ui().ShowMessage(text, MessageButtons::Ok, MessageIcon::Stop);
}

}  // namespace

CFirData::CFirData(const CPreferences& preferences)
    : gridDensity_(preferences.m_nEditorGridDensity),
      attnInDb_(preferences.m_bEditorAttnInDb),
      gainInDb_(preferences.m_bEditorGainInDb) {
    SetMinRangePoints(1);
    AllocateBands(kDefaultBandCapacity);
}

void CFirData::SetNumTaps(std::int32_t numTaps) {
    designTaps_ = std::vector<double>();
    if (numTaps == 0) {
        return;
    }
    numTaps_ = 0;
    if (numTaps < 0) {
        return;
    }
    // A quiet validation may raise the largest even count by one.
    if (numTaps > kMaxTaps + 1) {
        numTaps_ = numTaps;
        return;
    }
    try {
        designTaps_.resize(static_cast<std::size_t>(numTaps));
        numTaps_ = numTaps;
    } catch (const std::bad_alloc&) {
        designTaps_ = std::vector<double>();
    }
}

void CFirData::SetSpecification(ResponseType type, std::int32_t numTaps, std::int32_t gridDensity) {
    responseType_ = type;
    bandEdges_.clear();
    desiredGain_.clear();
    bandWeight_.clear();
    if (gridDensity < kMinGridDensity) {
        Ui().ShowMessage("Grid Density is too small.\nIt is being set to 4.", MessageButtons::Ok,
                         MessageIcon::Information);
        gridDensity_ = kMinGridDensity;
    } else {
        gridDensity_ = gridDensity;
    }
    SetNumTaps(numTaps);
}

void CFirData::AllocateBands(std::int32_t capacity) {
    bandEdges_ = std::vector<double>();
    desiredGain_ = std::vector<double>();
    bandWeight_ = std::vector<double>();
    bandCapacity_ = 0;
    if (capacity <= 0) {
        return;
    }
    try {
        bandEdges_.reserve(2 * Row(capacity));
        desiredGain_.reserve(Row(capacity));
        bandWeight_.reserve(Row(capacity));
        bandCapacity_ = capacity;
    } catch (const std::bad_alloc&) {
        bandEdges_ = std::vector<double>();
        desiredGain_ = std::vector<double>();
        bandWeight_ = std::vector<double>();
    }
}

double CFirData::RippleDbToWeight(double rippleDb) {
    // A ripple of r dB peak to peak allows the deviation (L - 1) / (L + 1), L = 10^(r/20).
    const double level = std::pow(10.0, rippleDb * 0.05);
    return (level + 1.0) / (level - 1.0);
}

double CFirData::AttenuationDbToWeight(double attenuationDb) {
    // An attenuation of a dB allows the deviation 10^(-a/20).
    return std::pow(10.0, attenuationDb * 0.05);
}

bool CFirData::AddBand(double lower, double upper, double gain, double attnRipple, bool gainIsDb,
                       bool attnIsDb, bool inFsUnits) {
    if (inFsUnits) {
        lower /= GetSampleRate();
        upper /= GetSampleRate();
    }
    if (!std::isfinite(lower) || !std::isfinite(upper) || std::isnan(gain) ||
        std::isnan(attnRipple)) {
        ShowError("Error: A band value is not a number.");
        return false;
    }
    if (lower > upper) {
        ShowError("Error: Lower band edge is above the upper band edge.");
        return false;
    }
    const std::int32_t count = GetNumBands();
    if (count >= bandCapacity_) {
        ShowError(kTooManyBandsMessage);
        return false;
    }
    // Bands follow each other with a gap: touching edges count as overlapping.
    if (count > 0 && GetUpperEdge(count - 1) >= lower) {
        ShowError("Error: Overlapping or intersecting bands.");
        return false;
    }
    if (gainIsDb) {
        // The editors' stopband value of -1000 dB, like any level below the floor, is 0.
        gain = gain >= minResponseDb_ ? std::pow(10.0, gain * 0.05) : 0.0;
    }
    double weight = attnRipple;
    if (gain > 0.0) {
        if (attnIsDb) {
            weight = RippleDbToWeight(attnRipple);
        }
    } else if (gain < 0.0) {
        ShowError(kNegativeGainMessage);
        return false;
    } else if (attnIsDb) {
        weight = AttenuationDbToWeight(attnRipple);
    }
    // A gain of 1e200 dB, or a ripple so small that its weight is infinite, would reach the
    // engine as infinities and come back as a filter of no use; a ripple of 0 dB or less, or
    // a weight typed as 0 or less, allows no deviation at all.
    if (!std::isfinite(gain)) {
        ShowError(kGainUnrepresentableMessage);
        return false;
    }
    if (!(weight > 0.0)) {
        ShowError("Error: Band weight must be greater than zero.");
        return false;
    }
    if (!std::isfinite(weight)) {
        ShowError(kWeightUnrepresentableMessage);
        return false;
    }
    gainInDb_ = gainIsDb;
    attnInDb_ = attnIsDb;
    // Make room first, so that the three rows grow together or not at all.
    bandEdges_.reserve(bandEdges_.size() + 2);
    desiredGain_.reserve(desiredGain_.size() + 1);
    bandWeight_.reserve(bandWeight_.size() + 1);
    bandEdges_.push_back(lower);
    bandEdges_.push_back(upper);
    desiredGain_.push_back(gain);
    bandWeight_.push_back(weight);
    return true;
}

void CFirData::SyncTapsToData() {
    SetNumTaps(GetNumPoints());
}

bool CFirData::PassbandAtNyquist() const {
    for (std::int32_t band = 0; band < GetNumBands(); ++band) {
        if (GetUpperEdge(band) > kNyquistEdge && IsPassband(band)) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> CFirData::FirstBrokenRule() const {
    const std::int32_t bands = GetNumBands();
    if (responseType_ == ResponseType::Hilbert && bands <= 0) {
        return "Error: Hilbert specification must have at least one passband.";
    }
    if (responseType_ != ResponseType::Hilbert && bands < 2) {
        return "Error: Cannot design FIR with less than two bands.\n"
               "(At least one passband and one stopband is required.)";
    }
    if (gridDensity_ < 1) {
        return "Error: Cannot design FIR with Grid Density less than one.";
    }
    if (gridDensity_ > kMaxGridDensity) {
        return std::string("Error: ") + kGridDensityTooLargeMessage;
    }
    if (numTaps_ < kMinTaps) {
        return "Error: Cannot design FIR with less than " + std::to_string(kMinTaps) + " taps.";
    }
    return std::nullopt;
}

bool CFirData::EvenTapsAtNyquist() const {
    return numTaps_ % 2 == 0 && PassbandAtNyquist();
}

std::optional<std::string> CFirData::CheckSpecification() const {
    if (auto refusal = FirstBrokenRule()) {
        return refusal;
    }
    if (EvenTapsAtNyquist()) {
        return "Error: Linear-phase FIR cannot have passband at Fs/2 with EVEN Number of Taps.\n"
               "(Increase or decrease Number of Taps by 1).";
    }
    return std::nullopt;
}

bool CFirData::Validate() {
    if (FirstBrokenRule()) {
        return false;
    }
    if (EvenTapsAtNyquist()) {
        ++numTaps_;
    }
    return true;
}

double CFirData::GetDesiredDisplay(std::int32_t band, bool inDb) const {
    const double gain = GetDesiredGain(band);
    if (inDb) {
        return gain > 0.0 ? 20.0 * std::log10(gain) : kStopbandDb;
    }
    return gain >= kSmallestShownGain ? gain : 0.0;
}

double CFirData::GetAttnRippleDisplay(std::int32_t band, bool inDb) const {
    const double weight = GetBandWeight(band);
    if (!inDb) {
        return weight;
    }
    if (IsPassband(band)) {
        const double deviation = 1.0 / weight;
        return 20.0 * std::log10((1.0 + deviation) / (1.0 - deviation));
    }
    return 20.0 * std::log10(weight);
}

bool CFirData::IsBlank() const {
    return GetNumBands() < 1 && GetNumPoints() == 0;
}

void CFirData::SerializeSpecification(ArchiveWriter& archive) const {
    archive.WriteI32(static_cast<std::int32_t>(responseType_));
    archive.WriteI32(gridDensity_);
    archive.WriteI32(numTaps_);
    archive.WriteI32(bandCapacity_);
    archive.WriteI32(GetNumBands());
    for (std::int32_t band = 0; band < GetNumBands(); ++band) {
        archive.WriteF64(GetLowerEdge(band));
        archive.WriteF64(GetUpperEdge(band));
        archive.WriteF64(GetDesiredGain(band));
        archive.WriteF64(GetBandWeight(band));
    }
    archive.WriteI32(gainInDb_ ? 1 : 0);
    archive.WriteI32(attnInDb_ ? 1 : 0);
    archive.WriteF64(minResponseDb_);
    archive.WriteI32(designed_ ? 1 : 0);
}

void CFirData::SerializeSpecification(ArchiveReader& archive) {
    const std::int32_t typeCode = archive.ReadI32();
    const std::int32_t gridDensity = archive.ReadI32();
    const std::int32_t numTaps = archive.ReadI32();
    const std::int32_t capacity = archive.ReadI32();
    const std::int32_t count = archive.ReadI32();
    ArchiveReader::RequireInRange(typeCode, static_cast<std::int32_t>(ResponseType::Filter),
                                  static_cast<std::int32_t>(ResponseType::Hilbert),
                                  "response type");
    // No editor designs more than kMaxTaps; a quiet validation may add one to an even count.
    // The editors keep any count typed, also one above kMaxTaps that the user declined to
    // design with; such a project must open again.
    ArchiveReader::RequireInRange(numTaps, 0, std::numeric_limits<std::int32_t>::max(),
                                  "tap count");
    const auto type = static_cast<ResponseType>(typeCode);
    ArchiveReader::RequireInRange(capacity, 0, kMaxStoredBandCapacity, "band capacity");
    ArchiveReader::RequireInRange(count, 0, capacity, "band count");
    archive.RequireRecords(static_cast<std::uint64_t>(count), kBandRecordBytes);

    std::vector<double> edges;
    std::vector<double> gains;
    std::vector<double> weights;
    edges.reserve(2 * Row(capacity));
    gains.reserve(Row(capacity));
    weights.reserve(Row(capacity));
    for (std::int32_t band = 0; band < count; ++band) {
        edges.push_back(archive.ReadF64());
        edges.push_back(archive.ReadF64());
        gains.push_back(archive.ReadF64());
        weights.push_back(archive.ReadF64());
    }
    const bool gainInDb = archive.ReadI32() != 0;
    const bool attnInDb = archive.ReadI32() != 0;
    const double minResponseDb = archive.ReadF64();
    const bool designed = archive.ReadI32() != 0;

    responseType_ = type;
    gridDensity_ = gridDensity;
    numTaps_ = numTaps;
    designTaps_ = std::vector<double>();
    bandCapacity_ = capacity;
    bandEdges_ = std::move(edges);
    desiredGain_ = std::move(gains);
    bandWeight_ = std::move(weights);
    gainInDb_ = gainInDb;
    attnInDb_ = attnInDb;
    minResponseDb_ = minResponseDb;
    designed_ = designed;
}

void CFirData::RequireSoundSpecification() const {
    const auto refuse = [](const std::string& text) {
        throw ArchiveError(ArchiveErrorKind::Malformed, "The archive holds " + text + ".");
    };
    if (gridDensity_ > kMaxGridDensity) {
        refuse("a grid density of " + std::to_string(gridDensity_) + ", more than the largest, " +
               std::to_string(kMaxGridDensity));
    }
    for (std::int32_t band = 0; band < GetNumBands(); ++band) {
        const std::string name = "band " + std::to_string(band + 1);
        const double lower = GetLowerEdge(band);
        const double upper = GetUpperEdge(band);
        if (!std::isfinite(lower) || !std::isfinite(upper)) {
            refuse(name + " with an edge that is not a number");
        }
        if (lower > upper || (band > 0 && GetUpperEdge(band - 1) > lower)) {
            refuse(name + " with its edges out of order");
        }
        if (!(GetDesiredGain(band) >= 0.0)) {
            refuse(name + " with a desired gain that is negative or not a number");
        }
        if (!(GetBandWeight(band) > 0.0)) {
            refuse(name + " with a weight that is not greater than zero");
        }
    }
}

}  // namespace tapwright
