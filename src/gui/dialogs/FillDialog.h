#pragma once

#include "document/CombFill.h"
#include "gui/widgets/RecordDialog.h"

class QCheckBox;

namespace tapwright::gui {

class DoubleField;
class IntegerField;

// "Fill Coefficients With Constant": the tap count, the constant, and "= 1 / NTaps", which
// makes the record keep the constant at the reciprocal of the count while the user types.
// The fill command itself refuses a count below 1 and shows the dialog again.
class FillDialog final : public RecordDialog {
public:
    FillDialog(CCombFill& record, QWidget* parent = nullptr);

private:
    void OnOneOverTapsClicked(bool checked);
    void OnTapsEdited();
    void TakeTypedValues();
    void ShowConstantIfChanged(double before);
    bool StoreFields() override;

    CCombFill& record_;
    CCombFill edited_;
    IntegerField* taps_;
    DoubleField* constant_;
    QCheckBox* oneOverTaps_;
};

}  // namespace tapwright::gui
