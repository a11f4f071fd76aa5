#pragma once

#include "gui/widgets/RecordDialog.h"
#include "plot/AxisDlg.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace tapwright::gui {

// The axis dialog, captioned with the axis name: the range and spacings with automatic
// scaling, the label scaling, the grid and log mode. The record decides what each click does
// and checks the edits; the dialog moves the values between the two.
class AxisDialog final : public RecordDialog {
public:
    AxisDialog(CAxisDlg& record, QWidget* parent = nullptr);

private:
    QGroupBox* MakeScalingGroup();
    QGroupBox* MakeLabelGroup();
    QGroupBox* MakeGridGroup();
    void ShowEdits();
    void ApplyEnableRules();
    // Reads the edits into the record, as every click does before it acts; the record
    // reports an edit that holds no number, and false then.
    bool ReadEdits();
    void OnAutomaticClicked(bool checked);
    void OnAutomaticPowerClicked(bool checked);
    void OnLogModeClicked(bool checked);
    void OnAutoscaleOnce();
    bool StoreFields() override;

    CAxisDlg& record_;
    CAxisDlg edited_;
    QLineEdit* minimum_;
    QLineEdit* maximum_;
    QLineEdit* ticSpacing_;
    QLineEdit* labelSpacing_;
    QLineEdit* powerOfTen_;
    QLineEdit* decimalDigits_;
    QCheckBox* automatic_;
    QPushButton* autoscaleOnce_;
    QCheckBox* automaticPower_;
    QCheckBox* log_;
    QButtonGroup* grid_;
};

}  // namespace tapwright::gui
