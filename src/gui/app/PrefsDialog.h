#pragma once

#include <vector>

#include "app/PrefsDlg.h"
#include "gui/widgets/RecordDialog.h"

class QCheckBox;
class QGroupBox;

namespace tapwright::gui {

class DoubleField;
class IntegerField;

// The "Preferences" dialog on its record. Every widget is named after the preference it
// shows ("m_bEditorGainInDb"). The grid density is taken as typed; the Preferences command
// corrects it after OK.
class PrefsDialog final : public RecordDialog {
public:
    PrefsDialog(CPrefsDlg& record, QWidget* parent = nullptr);

private:
    struct FlagBox {
        QCheckBox* box;
        bool PreferenceValues::*member;
    };
    struct FlagCaption {
        const char* caption;
        const char* key;
        bool PreferenceValues::*member;
    };

    QGroupBox* MakeEditorDefaults();
    QGroupBox* MakeFlagGroup(const char* title, const std::vector<FlagCaption>& flags);
    QCheckBox* AddFlag(const FlagCaption& flag);
    bool StoreFields() override;

    CPrefsDlg& record_;
    std::vector<FlagBox> flags_;
    DoubleField* maxPassDb_;
    IntegerField* gridDensity_;
    DoubleField* minDb_;
};

}  // namespace tapwright::gui
