#include "gui/dialogs/COptionsDialog.h"

#include <QFormLayout>
#include <QLineEdit>

#include "gui/dialogs/DialogParts.h"
#include "gui/platform/CoreText.h"

namespace tapwright::gui {

COptionsDialog::COptionsDialog(CCOptionsDlg& record, QWidget* parent)
    : RecordDialog(CCOptionsDlg::kCaption, parent),
      record_(record),
      varName_(new QLineEdit(ToQString(record.varName))),
      varType_(new QLineEdit(ToQString(record.varType))) {
    varName_->setObjectName("varName");
    varType_->setObjectName("varType");
    auto* form = new QFormLayout;
    form->addRow("Data Variable Name", varName_);
    form->addRow("Data Variable Type", varType_);
    SetContent(WithRoomForTitle(*this, form));
}

bool COptionsDialog::StoreFields() {
    record_.varName = EditedText(*varName_, record_.varName);
    record_.varType = EditedText(*varType_, record_.varType);
    return true;
}

}  // namespace tapwright::gui
