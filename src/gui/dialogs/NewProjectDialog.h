#pragma once

#include "app/NewProjectDlg.h"
#include "gui/widgets/RecordDialog.h"

class QButtonGroup;

namespace tapwright::gui {

// "New FIR Filter Design Project": one button per kind of project, the record's choice
// checked when the dialog opens.
class NewProjectDialog final : public RecordDialog {
public:
    NewProjectDialog(CNewProjectDlg& record, QWidget* parent = nullptr);

private:
    bool StoreFields() override;

    CNewProjectDlg& record_;
    QButtonGroup* choices_;
};

}  // namespace tapwright::gui
