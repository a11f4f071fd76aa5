#include "gui/dialogs/SampleRateDialog.h"

#include <QFormLayout>
#include <QListWidget>

#include "gui/dialogs/DialogParts.h"
#include "gui/platform/CoreText.h"
#include "gui/widgets/NumberField.h"

namespace tapwright::gui {

SampleRateDialog::SampleRateDialog(CSampleRateDlg& record, QWidget* parent)
    : RecordDialog(CSampleRateDlg::kTitle, parent),
      record_(record),
      frequency_(new DoubleField),
      units_(new QListWidget) {
    frequency_->setObjectName("frequency");
    units_->setObjectName("units");
    for (const std::string& row : CSampleRateDlg::UnitRows()) {
        units_->addItem(ToQString(row));
    }
    // All rows show at once, as in a list box that needs no scrolling.
    units_->setFixedHeight(units_->sizeHintForRow(0) * units_->count() +
                           2 * units_->frameWidth());

    auto* form = new QFormLayout;
    form->addRow(CSampleRateDlg::kFrequencyLabel, frequency_);
    form->addRow(CSampleRateDlg::kUnitsLabel, units_);
    SetContent(WithRoomForTitle(*this, form));

    frequency_->SetValue(record_.frequency);
    units_->setCurrentRow(record_.unitIndex);
    frequency_->selectAll();
}

bool SampleRateDialog::StoreFields() {
    CSampleRateDlg edited = record_;
    if (!ReadField(*frequency_, edited.frequency)) {
        return false;
    }
    if (units_->currentRow() >= 0) {
        edited.unitIndex = units_->currentRow();
    }
    if (!edited.OnOK()) {
        frequency_->setFocus();
        frequency_->selectAll();
        return false;
    }
    record_ = edited;
    return true;
}

}  // namespace tapwright::gui
