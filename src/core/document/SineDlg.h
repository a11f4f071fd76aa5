#pragma once

#include <cstdint>
#include <string>

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;

// How the sine generator is told the sine: by its frequency or by the number of cycles over
// the coefficients.
enum class SineMode : std::int32_t { Frequency = 0, Cycles = 1 };

// The record of the "Sine Generator" dialog: "Number of Coefficients to Generate", then
// "Frequency" or "Number of Cycles". The document keeps one between uses; the project file
// stores the count and the cycles only.
class CSineDlg {
public:
    static constexpr const char* kTitle = "Sine Generator";

    // Giving a field the input focus selects its mode.
    void OnFrequencyFocus() { mode = SineMode::Frequency; }
    void OnCyclesFocus() { mode = SineMode::Cycles; }

    // Project-file fields: the count (32 bits) and the cycles (float). Any count is read
    // back (the sine command refuses unusable ones); the cycles must be finite. Reading
    // changes nothing unless both could be read.
    void Serialize(ArchiveWriter& archive) const;
    void Serialize(ArchiveReader& archive);

    std::int32_t count = 256;
    float cycles = 4.0f;
    float frequency = 0.125f;
    SineMode mode = SineMode::Frequency;
    // The unit of the sampling frequency, in which the frequency is given; the command sets
    // it before each run, and it is not stored.
    std::string unitLabel = "Hz";
};

}  // namespace tapwright
