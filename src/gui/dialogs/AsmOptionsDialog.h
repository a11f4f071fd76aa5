#pragma once

#include "fileio/AsmOptionsDlg.h"
#include "gui/widgets/RecordDialog.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace tapwright::gui {

// "TI Fixed-Point Assembly Code Options": the base name, the texts around the data, the
// equates, the data directive and the end-of-line comments of an assembly file. The comment
// boxes follow the record's enable rule as the data format changes; an OK the record refuses
// (an empty name) shows the name it put in instead and keeps the dialog open.
class AsmOptionsDialog final : public RecordDialog {
public:
    AsmOptionsDialog(CAsmOptionsDlg& record, QWidget* parent = nullptr);

private:
    QGroupBox* MakeTextGroup(const char* title, QLineEdit* edit);
    QWidget* MakeEquates();
    QGroupBox* MakeDataFormatGroup();
    QGroupBox* MakeCommentGroup();
    void ShowCommentEnables();
    bool StoreFields() override;

    CAsmOptionsDlg& record_;
    CAsmOptionsDlg edited_;
    QLineEdit* name_;
    QLineEdit* initialText_;
    QLineEdit* finalText_;
    QCheckBox* showGraph_;
    QCheckBox* showLength_;
    QCheckBox* showRatio_;
    QLineEdit* ratioText_;
    QButtonGroup* dataFormats_;
    QCheckBox* showFloat_;
    QCheckBox* showOther_;
};

}  // namespace tapwright::gui
