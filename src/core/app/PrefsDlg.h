#pragma once

#include "data/Preferences.h"

namespace tapwright {

class SettingsStore;

// The record of the "Preferences" dialog: one field per control, filled from the
// preferences. The groups are "Advanced Editor Defaults", "Auto View After Design",
// "Auto View After Import" and "Scale Filter:", then "Default Min dB".
class CPrefsDlg {
public:
    static constexpr const char* kTitle = "Preferences";
    static constexpr const char* kGridDensityMessage =
        "Grid Density must be one or greater.\nSetting it to one.";
    static constexpr const char* kGridDensityTooLargeMessage =
        "Grid Density cannot be more than 1024.\nSetting it to 1024.";

    explicit CPrefsDlg(const CPreferences& preferences) : values(preferences) {}

    // What OK does once the dialog has closed: a grid density below 1 is reported and
    // becomes 1. The command calls it; the dialog itself checks nothing.
    void OnOK();

    // Copies every field into the preferences; the simple filter kind is not a field.
    void CopyTo(CPreferences& preferences) const;

    PreferenceValues values;
};

// The Preferences command: shows the dialog; on OK copies the fields back and saves the
// preferences, on Cancel changes nothing. Returns whether the user pressed OK.
bool EditPreferences(CPreferences& preferences, SettingsStore& store);

}  // namespace tapwright
