#include "document/CoefficientCommands.h"

#include <cmath>
#include <string>

#include "data/Preferences.h"
#include "design/FirData.h"
#include "platform/UserInterface.h"

namespace tapwright {

ChannelFlags ResolveChannels(ChannelSelection channels) {
    switch (channels) {
        case ChannelSelection::Inphase:
            return {true, false};
        case ChannelSelection::Quadrature:
            return {false, true};
        case ChannelSelection::InphaseAndQuadrature:
        case ChannelSelection::ComplexFilter:
            break;
    }
    return {true, true};
}

bool ConfirmOverwrite(const CFirData& filter, std::string_view operation) {
    if (filter.IsBlank()) {
        return true;
    }
    const std::string question = std::string(operation) + " will overwrite all current data.";
    return Ui().ShowMessage(question, MessageButtons::OkCancel, MessageIcon::Question) ==
           MessageResult::Ok;
}

CoefficientCommands::CoefficientCommands(CFirData& filter, CoefficientDialogs& dialogs,
                                         const CPreferences& preferences,
                                         CoefficientCommandHooks hooks)
    : filter_(filter), dialogs_(dialogs), preferences_(preferences), hooks_(std::move(hooks)) {}

bool CoefficientCommands::Window(ChannelSelection channels) {
    if (filter_.GetWindowType() != kNoWindow &&
        Ui().ShowMessage(kWindowAgainQuestion, MessageButtons::YesNo, MessageIcon::Question) !=
            MessageResult::Yes) {
        return false;
    }
    CWindowDlg dialog = dialogs_.window;
    if (!Ui().Run(dialog)) {
        return false;
    }
    dialogs_.window = dialog;

    Ui().ShowStatus(kWindowingStatus);
    const WaitCursor wait;
    const ChannelFlags flags = ResolveChannels(channels);
    if (!filter_.Window(dialog.type, dialog.alpha, flags.inphase, flags.quadrature)) {
        return false;
    }
    filter_.SetDesigned(false);
    DataChanged();
    return true;
}

bool CoefficientCommands::Scale(ChannelSelection channels) {
    CScaleDlg dialog = dialogs_.scale;
    dialog.unitLabel = filter_.GetFrequencyUnits().FrequencyUnit();
    if (!Ui().Run(dialog)) {
        return false;
    }
    dialogs_.scale = dialog;

    // A refused scale has told the user why; the dialog's settings are kept all the same.
    const ChannelFlags flags = ResolveChannels(channels);
    filter_.ScaleTo(dialog.mode, dialog.ScaleValue(), dialog.frequency, flags.inphase,
                    flags.quadrature);
    DataChanged();
    return true;
}

bool CoefficientCommands::Quantize(ChannelSelection channels) {
    CQuantizeDlg dialog = dialogs_.quantize;
    if (!Ui().Run(dialog)) {
        return false;
    }
    dialogs_.quantize = dialog;

    const ChannelFlags flags = ResolveChannels(channels);
    if (!filter_.Quantize(dialog.bits, flags.inphase, flags.quadrature)) {
        return false;
    }
    DataChanged();
    return true;
}

bool CoefficientCommands::FillConstant(ChannelSelection channels) {
    CCombFill dialog = dialogs_.fill;
    do {
        if (!Ui().Run(dialog)) {
            return false;
        }
    } while (!IsUsableFillCount(dialog.taps, "fill taps"));
    dialogs_.fill = dialog;

    const ChannelFlags flags = ResolveChannels(channels);
    filter_.FillConstant(dialog.taps, dialog.constant, flags.inphase, flags.quadrature);
    ShowFrequencyResponse();
    return true;
}

bool CoefficientCommands::FillSine(ChannelSelection channels) {
    if (!ConfirmOverwrite(filter_, kGeneratingCoefficients)) {
        return false;
    }
    CSineDlg dialog = dialogs_.sine;
    dialog.unitLabel = filter_.GetFrequencyUnits().FrequencyUnit();
    do {
        if (!Ui().Run(dialog)) {
            return false;
        }
    } while (!IsUsableFillCount(dialog.count, "coefficients"));
    dialogs_.sine = dialog;
    if (dialog.mode == SineMode::Frequency && !HasUsableSampleRate()) {
        return false;
    }

    Ui().ShowStatus(kGeneratingStatus);
    const ChannelFlags flags = ResolveChannels(channels);
    if (dialog.mode == SineMode::Cycles) {
        filter_.FillSineCycles(dialog.count, dialog.cycles, flags.inphase, flags.quadrature);
    } else {
        filter_.FillSine(dialog.count, dialog.frequency, flags.inphase, flags.quadrature);
    }
    filter_.SetDesigned(false);
    ShowFrequencyResponse();
    return true;
}

bool CoefficientCommands::Mix() {
    if (!HasUsableSampleRate()) {
        return false;
    }
    CMixDlg dialog = dialogs_.mix;
    dialog.unitLabel = filter_.GetFrequencyUnits().FrequencyUnit();
    dialog.PrepareForRun(filter_.GetFrequencyUnits().GetSampleRate(), filter_.GetNumTaps());
    if (!Ui().Run(dialog)) {
        return false;
    }
    dialogs_.mix = dialog;

    filter_.Mix(dialog.MixingFrequency(), dialog.InitialPhase());
    filter_.SetDesigned(false);
    DataChanged();
    if (preferences_.m_bScaleAfterMix) {
        Scale(DefaultChannels(filter_.IsReal()));
    }
    return true;
}

bool CoefficientCommands::CopyInphaseToQuadrature() {
    filter_.CopyInphaseToQuadrature();
    DataChanged();
    return true;
}

bool CoefficientCommands::CopyQuadratureToInphase() {
    filter_.CopyQuadratureToInphase();
    DataChanged();
    return true;
}

bool CoefficientCommands::SwapChannels() {
    filter_.SwapChannels();
    DataChanged();
    return true;
}

bool CoefficientCommands::HasUsableSampleRate() const {
    const double sampleRate = filter_.GetFrequencyUnits().GetSampleRate();
    if (std::isfinite(sampleRate) && sampleRate > 0.0) {
        return true;
    }
    Ui().ShowMessage(kSampleRateMessage, MessageButtons::Ok, MessageIcon::Stop);
    return false;
}

bool CoefficientCommands::IsUsableFillCount(std::int32_t count, std::string_view noun) const {
    // The filter cannot hold, design or export more than its largest size, so a larger
    // count would only exhaust memory.
    const std::int32_t largest = filter_.GetMaxPoints();
    std::string problem;
    if (count <= 0) {
        problem = " must be greater than zero.";
    } else if (count > largest) {
        problem = " cannot be greater than " + std::to_string(largest) + ".";
    } else {
        return true;
    }
    Ui().ShowMessage("Error -- Number of " + std::string(noun) + problem, MessageButtons::Ok,
                     MessageIcon::Stop);
    return false;
}

void CoefficientCommands::DataChanged() {
    if (hooks_.dataChanged) {
        hooks_.dataChanged();
    }
}

void CoefficientCommands::ShowFrequencyResponse() {
    if (hooks_.showFrequencyResponse) {
        hooks_.showFrequencyResponse();
    }
}

}  // namespace tapwright
