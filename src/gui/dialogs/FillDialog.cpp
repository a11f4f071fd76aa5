#include "gui/dialogs/FillDialog.h"

#include <QCheckBox>
#include <QFormLayout>

#include "gui/dialogs/DialogParts.h"
#include "gui/widgets/NumberField.h"

namespace tapwright::gui {

FillDialog::FillDialog(CCombFill& record, QWidget* parent)
    : RecordDialog(CCombFill::kTitle, parent),
      record_(record),
      edited_(record),
      taps_(new IntegerField),
      constant_(new DoubleField),
      oneOverTaps_(new QCheckBox("= 1 / NTaps")) {
    taps_->setObjectName("taps");
    constant_->setObjectName("constant");
    auto* form = new QFormLayout;
    form->addRow("Number of Taps:", taps_);
    form->addRow("Constant:", constant_);
    form->addRow(QString(), oneOverTaps_);
    SetContent(WithRoomForTitle(*this, form));

    taps_->SetValue(edited_.taps);
    constant_->SetValue(edited_.constant);
    oneOverTaps_->setChecked(edited_.oneOverTaps);
    connect(oneOverTaps_, &QCheckBox::clicked,
            [this](bool checked) { OnOneOverTapsClicked(checked); });
    connect(taps_, &QLineEdit::textEdited, [this] { OnTapsEdited(); });
}

void FillDialog::OnOneOverTapsClicked(bool checked) {
    TakeTypedValues();
    edited_.oneOverTaps = checked;
    const double before = edited_.constant;
    edited_.OnOneOverTapsClicked();
    ShowConstantIfChanged(before);
}

void FillDialog::OnTapsEdited() {
    TakeTypedValues();
    const double before = edited_.constant;
    edited_.OnTapsEdited();
    ShowConstantIfChanged(before);
}

// Takes what the fields hold into the record before it applies its rule. Text still being
// typed ("", "-") is no number yet and leaves its member as it was.
void FillDialog::TakeTypedValues() {
    if (const std::optional<std::int32_t> taps = taps_->Value()) {
        edited_.taps = *taps;
    }
    if (const std::optional<double> constant = constant_->Value()) {
        edited_.constant = *constant;
    }
}

// The field keeps what the user typed unless the record has just replaced the constant.
void FillDialog::ShowConstantIfChanged(double before) {
    if (edited_.constant != before) {
        constant_->SetValue(edited_.constant);
    }
}

bool FillDialog::StoreFields() {
    if (!ReadField(*taps_, edited_.taps) || !ReadField(*constant_, edited_.constant)) {
        return false;
    }
    edited_.oneOverTaps = oneOverTaps_->isChecked();
    record_ = edited_;
    return true;
}

}  // namespace tapwright::gui
