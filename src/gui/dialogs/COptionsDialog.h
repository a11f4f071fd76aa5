#pragma once

#include "fileio/COptionsDlg.h"
#include "gui/widgets/RecordDialog.h"

class QLineEdit;

namespace tapwright::gui {

// "C Output Options": the name and the element type of the array a C source file declares.
class COptionsDialog final : public RecordDialog {
public:
    COptionsDialog(CCOptionsDlg& record, QWidget* parent = nullptr);

private:
    bool StoreFields() override;

    CCOptionsDlg& record_;
    QLineEdit* varName_;
    QLineEdit* varType_;
};

}  // namespace tapwright::gui
