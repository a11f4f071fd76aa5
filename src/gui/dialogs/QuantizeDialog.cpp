#include "gui/dialogs/QuantizeDialog.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/dialogs/DialogParts.h"
#include "gui/widgets/NumberField.h"

namespace tapwright::gui {

QuantizeDialog::QuantizeDialog(CQuantizeDlg& record, QWidget* parent)
    : RecordDialog(CQuantizeDlg::kTitle, parent), record_(record), bits_(new IntegerField) {
    bits_->setObjectName("bits");
    auto* content = new QVBoxLayout;
    content->addWidget(bits_);
    auto* explanation = new QLabel(kWordExplanation);
    explanation->setObjectName("explanation");
    content->addWidget(explanation);
    SetContent(WithRoomForTitle(*this, content));
    bits_->SetValue(record_.bits);
    bits_->selectAll();
}

bool QuantizeDialog::StoreFields() {
    CQuantizeDlg edited = record_;
    if (!ReadField(*bits_, edited.bits) || !edited.OnOK()) {
        return false;
    }
    record_ = edited;
    return true;
}

}  // namespace tapwright::gui
