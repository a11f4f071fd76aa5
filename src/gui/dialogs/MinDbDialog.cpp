#include "gui/dialogs/MinDbDialog.h"

#include <QFormLayout>

#include "gui/dialogs/DialogParts.h"
#include "gui/widgets/NumberField.h"

namespace tapwright::gui {

MinDbDialog::MinDbDialog(CMinDbDlg& record, QWidget* parent)
    : RecordDialog(CMinDbDlg::kTitle, parent), record_(record), minDb_(new DoubleField) {
    minDb_->setObjectName("minDb");
    auto* form = new QFormLayout;
    form->addRow(CMinDbDlg::kMinDbLabel, minDb_);
    SetContent(WithRoomForTitle(*this, form));
    minDb_->SetValue(record_.minDb);
    minDb_->selectAll();
}

bool MinDbDialog::StoreFields() {
    CMinDbDlg edited = record_;
    if (!ReadField(*minDb_, edited.minDb) || !edited.OnOK()) {
        return false;
    }
    record_ = edited;
    return true;
}

}  // namespace tapwright::gui
