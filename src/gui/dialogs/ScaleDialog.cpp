#include "gui/dialogs/ScaleDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/dialogs/DialogParts.h"
#include "gui/platform/CoreText.h"
#include "gui/widgets/NumberField.h"

namespace tapwright::gui {

ScaleDialog::ScaleDialog(CScaleDlg& record, QWidget* parent)
    : RecordDialog(CScaleDlg::kTitle, parent),
      record_(record),
      edited_(record),
      modes_(new QButtonGroup(this)),
      frequency_(new DoubleField),
      value_(new DoubleField),
      inDb_(new QCheckBox("dB")) {
    frequency_->setObjectName("frequency");
    value_->setObjectName("value");
    auto* content = new QVBoxLayout;
    content->addWidget(MakeModeGroup());
    content->addWidget(MakeValueGroup());
    SetContent(WithRoomForTitle(*this, content));

    CheckButton(*modes_, static_cast<int>(edited_.mode));
    frequency_->SetValue(edited_.frequency);
    value_->SetValue(edited_.value);
    inDb_->setChecked(edited_.valueInDb);
    connect(modes_, &QButtonGroup::idClicked,
            [this](int mode) { edited_.mode = static_cast<ScaleMode>(mode); });
    FocusCheckedButton(*modes_);
}

QGroupBox* ScaleDialog::MakeModeGroup() {
    auto* group = new QGroupBox("Scale Using:");
    auto* column = new QVBoxLayout(group);
    for (int mode = 0; mode < kNumScaleModes; ++mode) {
        QRadioButton* button = AddRadioButton(*modes_, CScaleDlg::kModeCaptions[mode], mode);
        if (mode != static_cast<int>(ScaleMode::GainAtFrequency)) {
            column->addWidget(button);
            continue;
        }
        // The frequency belongs to "Gain at" and follows it on its line, with its unit.
        auto* row = new QHBoxLayout;
        row->addWidget(button);
        row->addWidget(frequency_);
        row->addWidget(new QLabel(ToQString(edited_.unitLabel)));
        row->addStretch();
        column->addLayout(row);
    }
    return group;
}

QGroupBox* ScaleDialog::MakeValueGroup() {
    auto* group = new QGroupBox("Scale to Value:");
    auto* row = new QHBoxLayout(group);
    row->addWidget(value_);
    row->addWidget(inDb_);
    row->addStretch();
    return group;
}

bool ScaleDialog::StoreFields() {
    if (!ReadField(*frequency_, edited_.frequency) || !ReadField(*value_, edited_.value)) {
        return false;
    }
    edited_.valueInDb = inDb_->isChecked();
    record_ = edited_;
    return true;
}

}  // namespace tapwright::gui
