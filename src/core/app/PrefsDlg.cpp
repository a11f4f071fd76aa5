#include "app/PrefsDlg.h"

#include "design/FirData.h"
#include "platform/SettingsStore.h"
#include "platform/UserInterface.h"

namespace tapwright {

void CPrefsDlg::OnOK() {
    if (values.m_nEditorGridDensity < 1) {
        Ui().ShowMessage(kGridDensityMessage, MessageButtons::Ok, MessageIcon::Exclamation);
        values.m_nEditorGridDensity = 1;
    }
    // New filters take this density, and the editors refuse to design beyond the largest.
    if (values.m_nEditorGridDensity > CFirData::kMaxGridDensity) {
        Ui().ShowMessage(kGridDensityTooLargeMessage, MessageButtons::Ok,
                         MessageIcon::Exclamation);
        values.m_nEditorGridDensity = CFirData::kMaxGridDensity;
    }
}

void CPrefsDlg::CopyTo(CPreferences& preferences) const {
    static_cast<PreferenceValues&>(preferences) = values;
}

bool EditPreferences(CPreferences& preferences, SettingsStore& store) {
    CPrefsDlg dialog(preferences);
    if (!Ui().Run(dialog)) {
        return false;
    }
    dialog.OnOK();
    dialog.CopyTo(preferences);
    preferences.SaveSettings(store);
    return true;
}

}  // namespace tapwright
