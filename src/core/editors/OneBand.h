#pragma once

#include <cstdint>
#include <string>

#include "data/Preferences.h"
#include "design/SimpleSpec.h"
#include "editors/FirView.h"

namespace tapwright {

// The specification editor of simple projects: one lowpass, highpass, bandpass or bandstop
// given by two band frequencies (for the band kinds two bandwidths around a centre), a
// passband ripple and a stopband attenuation in dB. It builds a specification of two or
// three bands with gains 1 and 0, and shows the actual ripple and attenuation of the
// designed filter with a PASS or FAIL verdict.
class COneBand : public CFirView {
public:
    // The messages of the checks of the form, which are those of the simple specification.
    static constexpr const char* kNotPositiveMessage = SimpleSpec::kNotPositiveMessage;
    static constexpr const char* kAttenuationBelowRippleMessage = SimpleSpec::kAttenuationBelowRippleMessage;
    static constexpr const char* kBandwidthOutsideFsMessage = SimpleSpec::kBandwidthOutsideFsMessage;
    static constexpr const char* kEdgeOutsideHalfFsMessage = SimpleSpec::kEdgeOutsideHalfFsMessage;
    static constexpr const char* kLowpassOrderMessage = SimpleSpec::kLowpassOrderMessage;
    static constexpr const char* kHighpassOrderMessage = SimpleSpec::kHighpassOrderMessage;
    static constexpr const char* kBandpassOrderMessage = SimpleSpec::kBandpassOrderMessage;
    static constexpr const char* kBandstopOrderMessage = SimpleSpec::kBandstopOrderMessage;
    static constexpr const char* kBelowZeroMessage = SimpleSpec::kBelowZeroMessage;
    static constexpr const char* kAboveHalfFsMessage = SimpleSpec::kAboveHalfFsMessage;

    // A new form: every number 0, grid density 16, the kind recorded last by the
    // application.
    explicit COneBand(CFirDoc& document);

    ViewKind Kind() const override { return ViewKind::SimpleEditor; }

    // ---- Fields the form edits ----------------------------------------------------------

    std::int32_t numTaps = 0;
    // Passband edge (lowpass, highpass) or the bandwidth at the top, on the passband side
    // (bandpass, bandstop); like every frequency here, in the unit of the sampling
    // frequency.
    double edge1 = 0.0;
    float attenuationDb = 0.0f;
    // Stopband edge, or the bandwidth at the bottom, on the stopband side.
    double edge2 = 0.0;
    std::int32_t gridDensity = 16;
    double centerFrequency = 0.0;
    SimpleFilterKind filterKind;
    float rippleDb = 0.0f;

    // ---- What the form shows, derived at every exchange ---------------------------------

    const std::string& Edge1Label() const { return edge1Label_; }
    const std::string& Edge2Label() const { return edge2Label_; }
    const std::string& ActualRippleText() const { return actualRippleText_; }
    const std::string& ActualAttnText() const { return actualAttnText_; }
    // "Actuals", "Actuals - PASS" or "Actuals - FAIL".
    const std::string& ActualsCaption() const { return actualsCaption_; }
    // "Bandpass Center" or "Bandstop Center".
    const std::string& CenterCaption() const { return centerCaption_; }
    bool IsEstimateEnabled() const { return estimateEnabled_; }
    bool IsCenterEnabled() const { return centerEnabled_; }

    // ---- Clicks -------------------------------------------------------------------------

    void OnDesignClicked() { DoDesign(numTaps); }
    // "Estimate": the tap count estimated from the specification.
    void OnEstimateClicked();
    // A kind radio: the two frequencies are put in the order the new kind expects.
    void OnKindClicked(SimpleFilterKind kind);

    // ---- The specification --------------------------------------------------------------

    // Checks the fields and builds the bands of the kind; false after an error message.
    bool ControlsToSpec() override;
    // Takes the kind and the fields from a filter of two or three bands; a blank filter, or
    // one of any other number of bands, leaves the form as it is.
    void SpecToControls() override;

protected:
    void OnExchange() override;

    // The simple specification the fields describe.
    SimpleSpec Spec() const;

private:
    // The measured level of a band of the designed filter, or empty.
    std::string ActualText(std::int32_t band) const;

    std::string edge1Label_;
    std::string edge2Label_;
    std::string actualRippleText_;
    std::string actualAttnText_;
    std::string actualsCaption_;
    std::string centerCaption_;
    bool estimateEnabled_ = true;
    bool centerEnabled_ = false;
};

}  // namespace tapwright
