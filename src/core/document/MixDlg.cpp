#include "document/MixDlg.h"

#include <cmath>
#include <limits>

#include "data/RecordFields.h"
#include "math/Constants.h"
#include "platform/Archive.h"
#include "platform/UserInterface.h"

namespace tapwright {

void CMixDlg::PrepareForRun(double sampleRate, std::int32_t numTaps) {
    sampleRate_ = sampleRate;
    numTaps_ = numTaps;
    if (frequency == 0.0f) {
        frequency = static_cast<float>(sampleRate * 0.25);
    }
    if (divisor == 0.0f) {
        divisor = 4.0f;
    }
    if (multiplier == 0.0f) {
        multiplier = 0.25f;
    }
}

bool CMixDlg::OnOK() {
    if (frequencyMode == MixFrequencyMode::FsDividedBy && divisor == 0.0f) {
        Ui().ShowMessage(kZeroDivisorMessage, MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    const double mixingFrequency = RequestedFrequency();
    if (mixingFrequency == 0.0) {
        Ui().ShowMessage(kZeroFrequencyMessage, MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    if (IsOutsideBand(mixingFrequency) &&
        Ui().ShowMessage(kOutsideRangeQuestion, MessageButtons::YesNo, MessageIcon::Exclamation) !=
            MessageResult::Yes) {
        return false;
    }
    mixingFrequency_ = mixingFrequency;
    initialPhase_ = std::fmod(PhaseFor(mixingFrequency), kTwoPi);
    return true;
}

double CMixDlg::RequestedFrequency() const {
    switch (frequencyMode) {
        case MixFrequencyMode::FsDividedBy:
            return sampleRate_ / divisor;
        case MixFrequencyMode::FsMultipliedBy:
            return sampleRate_ * multiplier;
        case MixFrequencyMode::Frequency:
            break;
    }
    return frequency;
}

bool CMixDlg::IsOutsideBand(double mixingFrequency) const {
    // The fields hold floats: a frequency typed as exactly Fs/2 may be stored one float
    // rounding step above it, and is still inside.
    const double limit = sampleRate_ * 0.5 * (1.0 + std::numeric_limits<float>::epsilon());
    return std::fabs(mixingFrequency) > limit;
}

double CMixDlg::PhaseFor(double mixingFrequency) const {
    if (phaseMode == MixPhaseMode::Degrees) {
        return degrees * kPi * (1.0 / 180.0);
    }
    // Tap n is turned by this phase plus n times the mixing step, which leaves the centre
    // tap (N - 1) / 2 of a linear-phase filter unturned.
    return -kPi * (mixingFrequency / sampleRate_) * (numTaps_ - 1.0);
}

void CMixDlg::Serialize(ArchiveWriter& archive) const {
    archive.WriteI32(static_cast<std::int32_t>(frequencyMode));
    archive.WriteF32(frequency);
    archive.WriteF32(divisor);
    archive.WriteF32(multiplier);
    archive.WriteI32(static_cast<std::int32_t>(phaseMode));
    archive.WriteF32(degrees);
}

void CMixDlg::Serialize(ArchiveReader& archive) {
    const std::int32_t storedFrequencyMode =
        ReadChoiceI32(archive, kNumFrequencyModes, "mixing frequency mode");
    const float storedFrequency = ReadFiniteF32(archive, "mixing frequency");
    const float storedDivisor = ReadFiniteF32(archive, "mixing divisor");
    const float storedMultiplier = ReadFiniteF32(archive, "mixing multiplier");
    const std::int32_t storedPhaseMode =
        ReadChoiceI32(archive, kNumPhaseModes, "mixing phase mode");
    const float storedDegrees = ReadFiniteF32(archive, "mixing phase");
    frequencyMode = static_cast<MixFrequencyMode>(storedFrequencyMode);
    frequency = storedFrequency;
    divisor = storedDivisor;
    multiplier = storedMultiplier;
    phaseMode = static_cast<MixPhaseMode>(storedPhaseMode);
    degrees = storedDegrees;
}

}  // namespace tapwright
