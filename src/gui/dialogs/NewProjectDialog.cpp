#include "gui/dialogs/NewProjectDialog.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/dialogs/DialogParts.h"

namespace tapwright::gui {

NewProjectDialog::NewProjectDialog(CNewProjectDlg& record, QWidget* parent)
    : RecordDialog(CNewProjectDlg::kTitle, parent),
      record_(record),
      choices_(new QButtonGroup(this)) {
    auto* column = new QVBoxLayout;
    int id = 0;
    for (const char* caption : CNewProjectDlg::kChoiceCaptions) {
        column->addWidget(AddRadioButton(*choices_, caption, id++));
    }
    SetContent(WithRoomForTitle(*this, column));
    CheckButton(*choices_, static_cast<int>(record_.choice));
    FocusCheckedButton(*choices_);
}

bool NewProjectDialog::StoreFields() {
    if (choices_->checkedId() >= 0) {
        record_.choice = static_cast<NewProjectChoice>(choices_->checkedId());
    }
    return true;
}

}  // namespace tapwright::gui
