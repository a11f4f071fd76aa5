#include "editors/OneBand.h"

#include <cmath>
#include <utility>
#include <vector>

#include "design/FirData.h"
#include "document/FirDoc.h"
#include "editors/BandTable.h"

namespace tapwright {

namespace {

// What the form shows for a kind: the captions of the two frequency fields, and which
// band's level is the actual ripple and which the actual attenuation.
struct KindLayout {
    const char* edge1Label;
    const char* edge2Label;
    std::int32_t rippleBand;
    std::int32_t attenuationBand;
};

KindLayout LayoutOf(SimpleFilterKind kind) {
    switch (kind) {
        case SimpleFilterKind::Highpass:
            return {"Passband Lower Frequency:", "Stopband Upper Frequency:", 1, 0};
        case SimpleFilterKind::Bandpass:
            return {"Passband Bandwidth at Top:", "Passband Bandwidth at Bottom:", 1, 0};
        case SimpleFilterKind::Bandstop:
            return {"Bandstop Bandwidth at Top:", "Bandstop Bandwidth at Bottom:", 0, 1};
        case SimpleFilterKind::Lowpass:
            break;
    }
    return {"Passband Upper Frequency:", "Stopband Lower Frequency:", 0, 1};
}

bool IsBandKind(SimpleFilterKind kind) {
    return kind == SimpleFilterKind::Bandpass || kind == SimpleFilterKind::Bandstop;
}

}  // namespace

COneBand::COneBand(CFirDoc& document)
    : CFirView(document),
      filterKind(Preferences().GetSimpleFilterKind()),
      centerCaption_("Bandpass Center") {
    OnExchange();
}

// ---- What the form shows ------------------------------------------------------------------

std::string COneBand::ActualText(std::int32_t band) const {
    const CFirData* filter = FirData();
    if (filter == nullptr || band >= filter->GetNumBands() || filter->GetNumPoints() <= 0) {
        return {};
    }
    return BandTable::LevelText(filter->GetBandActualDb(band)) + " dB";
}

void COneBand::OnExchange() {
    const KindLayout layout = LayoutOf(filterKind);
    edge1Label_ = layout.edge1Label;
    edge2Label_ = layout.edge2Label;
    actualRippleText_ = ActualText(layout.rippleBand);
    actualAttnText_ = ActualText(layout.attenuationBand);
    // A bandpass or bandstop has a centre and three bands, which cannot be estimated; a
    // lowpass or highpass leaves the caption of the centre's group as it was.
    const bool bandKind = IsBandKind(filterKind);
    if (bandKind) {
        centerCaption_ =
            filterKind == SimpleFilterKind::Bandpass ? "Bandpass Center" : "Bandstop Center";
    }
    estimateEnabled_ = !bandKind;
    centerEnabled_ = bandKind;

    const CFirData* filter = FirData();
    if (filter == nullptr || filter->GetNumPoints() <= 0) {
        actualsCaption_ = "Actuals";
    } else {
        actualsCaption_ = filter->GetDesignMargin() >= 0.0 ? "Actuals - PASS" : "Actuals - FAIL";
    }
}

// ---- Clicks -------------------------------------------------------------------------------

void COneBand::OnEstimateClicked() {
    if (!ControlsToSpec() || !FirData()->CanEstimate(true)) {
        return;
    }
    const std::int32_t estimate = FirData()->EstimateTaps();
    if (estimate == 0) {
        return;
    }
    numTaps = estimate;
    WriteControls();
    ControlsToSpec();
}

void COneBand::OnKindClicked(SimpleFilterKind kind) {
    ReadControls();
    filterKind = kind;
    // Highpass and bandstop have the larger frequency first, lowpass and bandpass second.
    const bool firstAbove =
        kind == SimpleFilterKind::Highpass || kind == SimpleFilterKind::Bandstop;
    if (firstAbove ? edge1 < edge2 : edge1 > edge2) {
        std::swap(edge1, edge2);
    }
    WriteControls();
}

// ---- The specification --------------------------------------------------------------------

const char* COneBand::FirstRefusal(double sampleRate) const {
    const bool allPositive =
        edge1 > 0.0 && rippleDb > 0.0f && edge2 > 0.0 && attenuationDb > 0.0f && gridDensity > 0;
    if (!allPositive) {
        return kNotPositiveMessage;
    }
    if (gridDensity > CFirData::kMaxGridDensity) {
        return CFirData::kGridDensityTooLargeMessage;
    }
    if (attenuationDb < rippleDb) {
        return kAttenuationBelowRippleMessage;
    }
    const double half = sampleRate / 2.0;
    if (IsBandKind(filterKind)) {
        if (!(std::fabs(edge1) < sampleRate && std::fabs(edge2) < sampleRate)) {
            return kBandwidthOutsideFsMessage;
        }
    } else if (!(std::fabs(edge1) < half && std::fabs(edge2) < half)) {
        return kEdgeOutsideHalfFsMessage;
    }

    const double center = centerFrequency;
    const double half1 = edge1 / 2.0;
    const double half2 = edge2 / 2.0;
    switch (filterKind) {
        case SimpleFilterKind::Highpass:
            return edge1 > edge2 ? nullptr : kHighpassOrderMessage;
        case SimpleFilterKind::Bandpass:
            if (!(edge1 < edge2)) {
                return kBandpassOrderMessage;
            }
            if (!(center - half2 >= 0.0)) {
                return kBelowZeroMessage;
            }
            return center + half2 <= half ? nullptr : kAboveHalfFsMessage;
        case SimpleFilterKind::Bandstop:
            if (!(half2 < half1)) {
                return kBandstopOrderMessage;
            }
            if (!(center - half1 >= 0.0)) {
                return kBelowZeroMessage;
            }
            return center + half1 <= half ? nullptr : kAboveHalfFsMessage;
        case SimpleFilterKind::Lowpass:
            break;
    }
    return edge1 < edge2 ? nullptr : kLowpassOrderMessage;
}

std::vector<COneBand::SimpleBand> COneBand::Bands(double sampleRate) const {
    const double half = sampleRate / 2.0;
    const double center = centerFrequency;
    const double half1 = edge1 / 2.0;
    const double half2 = edge2 / 2.0;
    switch (filterKind) {
        case SimpleFilterKind::Highpass:
            return {{0.0, edge2, 0.0, attenuationDb}, {edge1, half, 1.0, rippleDb}};
        case SimpleFilterKind::Bandpass:
            return {{0.0, center - half2, 0.0, attenuationDb},
                    {center - half1, center + half1, 1.0, rippleDb},
                    {center + half2, half, 0.0, attenuationDb}};
        case SimpleFilterKind::Bandstop:
            return {{0.0, center - half1, 1.0, rippleDb},
                    {center - half2, center + half2, 0.0, attenuationDb},
                    {center + half1, half, 1.0, rippleDb}};
        case SimpleFilterKind::Lowpass:
            break;
    }
    return {{0.0, edge1, 1.0, rippleDb}, {edge2, half, 0.0, attenuationDb}};
}

bool COneBand::ControlsToSpec() {
    ReadControls();
    CFirData* filter = FirData();
    if (filter == nullptr) {
        return false;
    }
    const double sampleRate = filter->GetSampleRate();
    if (const char* refusal = FirstRefusal(sampleRate)) {
        const bool beyondFs =
            refusal == kBandwidthOutsideFsMessage || refusal == kEdgeOutsideHalfFsMessage ||
            refusal == kAboveHalfFsMessage;
        ShowError(beyondFs ? refusal + SampleRateHint() : std::string(refusal));
        return false;
    }
    const UndoStep step(Document(), kEditSpecificationStep);
    SpecificationRollback rollback(*filter);
    filter->SetSpecification(ResponseType::Filter, numTaps, gridDensity);
    for (const SimpleBand& band : Bands(sampleRate)) {
        if (!filter->AddBand(band.lower, band.upper, band.gain, band.db, false, true, true)) {
            return false;
        }
    }
    rollback.Commit();
    return true;
}

void COneBand::SpecToControls() {
    const CFirData* filter = FirData();
    if (filter == nullptr || filter->IsBlank()) {
        return;
    }
    const std::int32_t bands = filter->GetNumBands();
    if (bands == 2) {
        filterKind = filter->IsPassband(0) ? SimpleFilterKind::Lowpass : SimpleFilterKind::Highpass;
    } else if (bands == 3) {
        filterKind =
            filter->IsPassband(0) ? SimpleFilterKind::Bandstop : SimpleFilterKind::Bandpass;
    } else {
        return;
    }
    const auto lower = [filter](std::int32_t band) { return filter->GetLowerEdge(band); };
    const auto upper = [filter](std::int32_t band) { return filter->GetUpperEdge(band); };
    const auto db = [filter](std::int32_t band) {
        return static_cast<float>(filter->GetAttnRippleDisplay(band, true));
    };
    const double sampleRate = filter->GetSampleRate();
    switch (filterKind) {
        case SimpleFilterKind::Lowpass:
            edge1 = upper(0);
            edge2 = lower(1);
            rippleDb = db(0);
            attenuationDb = db(1);
            break;
        case SimpleFilterKind::Highpass:
            edge1 = lower(1);
            edge2 = upper(0);
            rippleDb = db(1);
            attenuationDb = db(0);
            break;
        case SimpleFilterKind::Bandpass:
            edge1 = upper(1) - lower(1);
            edge2 = lower(2) - upper(0);
            rippleDb = db(1);
            attenuationDb = db(0);
            break;
        case SimpleFilterKind::Bandstop:
            edge1 = lower(2) - upper(0);
            edge2 = upper(1) - lower(1);
            rippleDb = db(0);
            attenuationDb = db(1);
            break;
    }
    edge1 *= sampleRate;
    edge2 *= sampleRate;
    // Only a centre taken from the bands is in cycles per sample; the centre a lowpass or
    // highpass keeps is already in the unit of the sampling frequency, and scaling it again
    // would multiply it by the sampling frequency on every refill.
    if (IsBandKind(filterKind)) {
        centerFrequency = (lower(1) + upper(1)) / 2.0 * sampleRate;
    }
    numTaps = filter->GetNumTaps();
    gridDensity = filter->GetGridDensity();
    WriteControls();
}

}  // namespace tapwright
