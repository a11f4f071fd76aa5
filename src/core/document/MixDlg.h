#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;

// How the mixing frequency is given: directly, or as the sampling frequency divided or
// multiplied by a number.
enum class MixFrequencyMode : std::int32_t { Frequency = 0, FsDividedBy = 1, FsMultipliedBy = 2 };

// How the initial phase is given: chosen so that the centre tap of a linear-phase filter
// keeps zero phase, or in degrees.
enum class MixPhaseMode : std::int32_t { LinearPhase = 0, Degrees = 1 };

// The record of the "Mix" dialog, with the groups "Mixing Frequency" and "Initial Phase".
// The document keeps one between uses (all zero at first) and stores it in the project
// file. Before each run the document tells it the sampling frequency and the filter's tap
// count; on OK it yields the mixing frequency and the initial phase in radians.
class CMixDlg {
public:
    static constexpr const char* kTitle = "Mix";
    static constexpr std::int32_t kNumFrequencyModes = 3;
    static constexpr std::int32_t kNumPhaseModes = 2;
    static constexpr std::array<const char*, kNumFrequencyModes> kFrequencyModeCaptions = {
        "Frequency ", "Fs divided by", "Fs multiplied by"};
    static constexpr std::array<const char*, kNumPhaseModes> kPhaseModeCaptions = {
        "Set automatically for linear phase", "Degrees"};

    static constexpr const char* kZeroDivisorMessage = "The Fs mixing divisor cannot be zero.";
    static constexpr const char* kZeroFrequencyMessage = "The mixing frequency cannot be zero.";
    static constexpr const char* kOutsideRangeQuestion =
        "The Mixing frequency is outside the range\n+/- half the sampling frequency.  Mix "
        "anyway?";

    // Takes the sampling frequency and the tap count, and fills the fields still at 0 with
    // their starting values: a frequency of Fs / 4, a divisor of 4 and a multiplier of 0.25.
    void PrepareForRun(double sampleRate, std::int32_t numTaps);

    // Giving a field the input focus selects its mode.
    void OnFrequencyFocus() { frequencyMode = MixFrequencyMode::Frequency; }
    void OnDivisorFocus() { frequencyMode = MixFrequencyMode::FsDividedBy; }
    void OnMultiplierFocus() { frequencyMode = MixFrequencyMode::FsMultipliedBy; }
    void OnDegreesFocus() { phaseMode = MixPhaseMode::Degrees; }

    // What OK checks before the dialog closes; false keeps it open. A zero divisor or a zero
    // mixing frequency is reported; a frequency beyond +/- Fs/2 is asked about. On success
    // the mixing frequency and the initial phase are derived.
    bool OnOK();

    // Valid after OnOK has succeeded: the frequency in the unit of the sampling frequency,
    // and the phase in radians, reduced to less than a turn with the sign of the unreduced
    // phase.
    double MixingFrequency() const { return mixingFrequency_; }
    double InitialPhase() const { return initialPhase_; }

    // Project-file fields: frequency mode (32 bits), frequency, divisor, multiplier (floats),
    // phase mode (32 bits), degrees (float). Reading checks every field and changes nothing
    // unless all could be read.
    void Serialize(ArchiveWriter& archive) const;
    void Serialize(ArchiveReader& archive);

    MixFrequencyMode frequencyMode = MixFrequencyMode::Frequency;
    float frequency = 0.0f;
    float divisor = 0.0f;
    float multiplier = 0.0f;
    MixPhaseMode phaseMode = MixPhaseMode::LinearPhase;
    float degrees = 0.0f;
    // The unit of the sampling frequency, in which the frequency is given; the command sets
    // it before each run, and it is not stored.
    std::string unitLabel = "Hz";

private:
    double RequestedFrequency() const;
    bool IsOutsideBand(double mixingFrequency) const;
    double PhaseFor(double mixingFrequency) const;

    double sampleRate_ = 1.0;
    std::int32_t numTaps_ = 0;
    double mixingFrequency_ = 0.0;
    double initialPhase_ = 0.0;
};

}  // namespace tapwright
