#pragma once

#include "document/MixDlg.h"
#include "gui/widgets/RecordDialog.h"

class QButtonGroup;
class QGroupBox;

namespace tapwright::gui {

class FloatField;

// "Mix": the mixing frequency, given directly or as the sampling frequency divided or
// multiplied by a number, and the initial phase, automatic or in degrees. Moving into a field
// selects the way it belongs to. OK is the record's: it may refuse, or ask about a frequency
// beyond half the sampling frequency, and the dialog stays open unless it accepts.
class MixDialog final : public RecordDialog {
public:
    MixDialog(CMixDlg& record, QWidget* parent = nullptr);

private:
    QGroupBox* MakeFrequencyGroup();
    QGroupBox* MakePhaseGroup();
    void ShowModes();
    bool StoreFields() override;

    CMixDlg& record_;
    CMixDlg edited_;
    QButtonGroup* frequencyModes_;
    QButtonGroup* phaseModes_;
    FloatField* frequency_;
    FloatField* divisor_;
    FloatField* multiplier_;
    FloatField* degrees_;
};

}  // namespace tapwright::gui
