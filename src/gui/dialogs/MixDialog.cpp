#include "gui/dialogs/MixDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/dialogs/DialogParts.h"

namespace tapwright::gui {

namespace {

int IdOf(MixFrequencyMode mode) {
    return static_cast<int>(mode);
}

int IdOf(MixPhaseMode mode) {
    return static_cast<int>(mode);
}

}  // namespace

MixDialog::MixDialog(CMixDlg& record, QWidget* parent)
    : RecordDialog(CMixDlg::kTitle, parent),
      record_(record),
      edited_(record),
      frequencyModes_(new QButtonGroup(this)),
      phaseModes_(new QButtonGroup(this)),
      frequency_(new FloatField),
      divisor_(new FloatField),
      multiplier_(new FloatField),
      degrees_(new FloatField) {
    frequency_->setObjectName("frequency");
    divisor_->setObjectName("divisor");
    multiplier_->setObjectName("multiplier");
    degrees_->setObjectName("degrees");
    auto* content = new QVBoxLayout;
    content->addWidget(MakeFrequencyGroup());
    content->addWidget(MakePhaseGroup());
    SetContent(WithRoomForTitle(*this, content));

    frequency_->SetValue(edited_.frequency);
    divisor_->SetValue(edited_.divisor);
    multiplier_->SetValue(edited_.multiplier);
    degrees_->SetValue(edited_.degrees);
    ShowModes();
    connect(frequencyModes_, &QButtonGroup::idClicked,
            [this](int mode) { edited_.frequencyMode = static_cast<MixFrequencyMode>(mode); });
    connect(phaseModes_, &QButtonGroup::idClicked,
            [this](int mode) { edited_.phaseMode = static_cast<MixPhaseMode>(mode); });
    const auto onFocus = [this](FloatField& field, void (CMixDlg::*rule)()) {
        CallOnFocus(field, [this, rule] {
            (edited_.*rule)();
            ShowModes();
        });
    };
    onFocus(*frequency_, &CMixDlg::OnFrequencyFocus);
    onFocus(*divisor_, &CMixDlg::OnDivisorFocus);
    onFocus(*multiplier_, &CMixDlg::OnMultiplierFocus);
    onFocus(*degrees_, &CMixDlg::OnDegreesFocus);
    FocusCheckedButton(*frequencyModes_);
}

QGroupBox* MixDialog::MakeFrequencyGroup() {
    auto* group = new QGroupBox("Mixing Frequency");
    auto* grid = new QGridLayout(group);
    FloatField* const fields[] = {frequency_, divisor_, multiplier_};
    for (int mode = 0; mode < CMixDlg::kNumFrequencyModes; ++mode) {
        grid->addWidget(
            AddRadioButton(*frequencyModes_, CMixDlg::kFrequencyModeCaptions[mode], mode), mode,
            0);
        grid->addWidget(fields[mode], mode, 1);
    }
    grid->addWidget(UnitLabel(edited_.unitLabel), IdOf(MixFrequencyMode::Frequency), 2);
    return group;
}

QGroupBox* MixDialog::MakePhaseGroup() {
    auto* group = new QGroupBox("Initial Phase");
    auto* grid = new QGridLayout(group);
    const int automatic = IdOf(MixPhaseMode::LinearPhase);
    const int degrees = IdOf(MixPhaseMode::Degrees);
    grid->addWidget(
        AddRadioButton(*phaseModes_, CMixDlg::kPhaseModeCaptions[automatic], automatic), 0, 0, 1,
        2);
    grid->addWidget(AddRadioButton(*phaseModes_, CMixDlg::kPhaseModeCaptions[degrees], degrees),
                    1, 0);
    grid->addWidget(degrees_, 1, 1);
    return group;
}

void MixDialog::ShowModes() {
    CheckButton(*frequencyModes_, IdOf(edited_.frequencyMode));
    CheckButton(*phaseModes_, IdOf(edited_.phaseMode));
}

bool MixDialog::StoreFields() {
    if (!ReadField(*frequency_, edited_.frequency) || !ReadField(*divisor_, edited_.divisor) ||
        !ReadField(*multiplier_, edited_.multiplier) || !ReadField(*degrees_, edited_.degrees) ||
        !edited_.OnOK()) {
        return false;
    }
    record_ = edited_;
    return true;
}

}  // namespace tapwright::gui
