#pragma once

#include "document/ScaleDlg.h"
#include "gui/widgets/RecordDialog.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;

namespace tapwright::gui {

class DoubleField;

// "Scale Filter": the scale mode, the frequency of "Gain at" with the data's unit, and the
// value to scale to, linear or in dB.
class ScaleDialog final : public RecordDialog {
public:
    ScaleDialog(CScaleDlg& record, QWidget* parent = nullptr);

private:
    QGroupBox* MakeModeGroup();
    QGroupBox* MakeValueGroup();
    bool StoreFields() override;

    CScaleDlg& record_;
    CScaleDlg edited_;
    QButtonGroup* modes_;
    DoubleField* frequency_;
    DoubleField* value_;
    QCheckBox* inDb_;
};

}  // namespace tapwright::gui
