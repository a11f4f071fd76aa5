#include "editors/OneBand.h"

#include <string>
#include <utility>

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
    if (const auto estimate = EstimateFromControls()) {
        numTaps = *estimate;
        WriteControls();
        ControlsToSpec();
    }
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

SimpleSpec COneBand::Spec() const {
    return {filterKind, edge1, edge2, centerFrequency, rippleDb, attenuationDb, gridDensity};
}

bool COneBand::ControlsToSpec() {
    ReadControls();
    CFirData* filter = FirData();
    if (filter == nullptr) {
        return false;
    }
    const SimpleSpec spec = Spec();
    if (const char* refusal = spec.FirstRefusal(filter->GetSampleRate())) {
        ShowError(SimpleSpec::IsBeyondFs(refusal) ? refusal + SampleRateHint(*filter)
                                                  : std::string(refusal));
        return false;
    }
    const UndoStep step(Document(), kEditSpecificationStep);
    SpecificationRollback rollback(*filter);
    if (!spec.Apply(*filter, numTaps)) {
        return false;
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
