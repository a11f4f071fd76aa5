#pragma once

#include <cstdint>

namespace tapwright {

class SettingsStore;

// The filter kinds of a simple specification.
enum class SimpleFilterKind : std::int32_t {
    Lowpass = 0,
    Highpass = 1,
    Bandpass = 2,
    Bandstop = 3
};

// The values the user sets in the Preferences dialog. Each member's name is also its key in
// the settings store.
struct PreferenceValues {
    // Defaults of the advanced specification editor.
    std::int32_t m_nEditorGridDensity = 16;
    bool m_bEditorSelectPassStop = false;
    double m_dEditorMaxPassDb = 10.0;
    bool m_bEditorAttnInDb = true;
    bool m_bEditorGainInDb = false;
    bool m_bEditorShowPassStop = false;

    // Windows opened by themselves after a design and after an import.
    bool m_bDesignViewCoeffs = false;
    bool m_bDesignViewFreq = true;
    bool m_bDesignViewImp = false;
    bool m_bReadViewCoeffs = false;
    bool m_bReadViewFreq = true;
    bool m_bReadViewImp = false;

    // Whether the coefficients are scaled after a design, a mix and an import.
    bool m_bScaleAfterDesign = false;
    bool m_bScaleAfterMix = false;
    bool m_bScaleAfterRead = false;

    // The lowest dB value a new project starts with.
    double m_dMinDb = -110.0;
};

// The application's preferences: loaded from the settings store once at start-up and saved
// only when the Preferences dialog closes with OK. Objects that follow the preferences are
// given a const reference. The simple filter kind chosen last lives here too, for the
// program's run only.
class CPreferences : public PreferenceValues {
public:
    // The section of the settings store that holds every preference.
    static constexpr const char* kSection = "Options";

    // Reads every preference; a missing one keeps its current value. The two doubles are
    // stored as text, and a text that does not scan as a number reads as 0.0.
    void LoadSettings(const SettingsStore& store);

    // Writes every preference: integers and flags as integers, doubles as text with three
    // digits after the point ("10.000").
    void SaveSettings(SettingsStore& store) const;

    SimpleFilterKind GetSimpleFilterKind() const { return simpleFilterKind_; }
    void SetSimpleFilterKind(SimpleFilterKind kind) { simpleFilterKind_ = kind; }

private:
    SimpleFilterKind simpleFilterKind_ = SimpleFilterKind::Lowpass;
};

}  // namespace tapwright
