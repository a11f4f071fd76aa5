#include "gui/dialogs/SineDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

#include "gui/dialogs/DialogParts.h"
#include "gui/widgets/NumberField.h"

namespace tapwright::gui {

SineDialog::SineDialog(CSineDlg& record, QWidget* parent)
    : RecordDialog(CSineDlg::kTitle, parent),
      record_(record),
      edited_(record),
      modes_(new QButtonGroup(this)),
      count_(new IntegerField),
      frequency_(new FloatField),
      cycles_(new FloatField) {
    count_->setObjectName("count");
    frequency_->setObjectName("frequency");
    cycles_->setObjectName("cycles");
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Number of Coefficients to Generate"), 0, 0);
    grid->addWidget(count_, 0, 1);
    grid->addWidget(
        AddRadioButton(*modes_, "Frequency", static_cast<int>(SineMode::Frequency)), 1, 0);
    grid->addWidget(frequency_, 1, 1);
    grid->addWidget(UnitLabel(edited_.unitLabel), 1, 2);
    grid->addWidget(
        AddRadioButton(*modes_, "Number of Cycles", static_cast<int>(SineMode::Cycles)), 2, 0);
    grid->addWidget(cycles_, 2, 1);
    SetContent(WithRoomForTitle(*this, grid));

    count_->SetValue(edited_.count);
    frequency_->SetValue(edited_.frequency);
    cycles_->SetValue(edited_.cycles);
    ShowMode();
    connect(modes_, &QButtonGroup::idClicked,
            [this](int mode) { edited_.mode = static_cast<SineMode>(mode); });
    CallOnFocus(*frequency_, [this] {
        edited_.OnFrequencyFocus();
        ShowMode();
    });
    CallOnFocus(*cycles_, [this] {
        edited_.OnCyclesFocus();
        ShowMode();
    });
    count_->setFocus();
}

void SineDialog::ShowMode() {
    CheckButton(*modes_, static_cast<int>(edited_.mode));
}

bool SineDialog::StoreFields() {
    if (!ReadField(*count_, edited_.count) || !ReadField(*frequency_, edited_.frequency) ||
        !ReadField(*cycles_, edited_.cycles)) {
        return false;
    }
    record_ = edited_;
    return true;
}

}  // namespace tapwright::gui
