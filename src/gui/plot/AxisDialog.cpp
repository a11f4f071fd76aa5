#include "gui/plot/AxisDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

#include "gui/dialogs/DialogParts.h"
#include "gui/platform/CoreText.h"

namespace tapwright::gui {

namespace {

// Room for a double with all its 15 significant digits, a sign and an exponent.
constexpr int kNumberWidthInCharacters = 22;

QLineEdit* NumberEdit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance('0') * kNumberWidthInCharacters);
    return edit;
}

void AddRow(QGridLayout& grid, const char* caption, QLineEdit* edit) {
    const int row = grid.rowCount();
    auto* label = new QLabel(caption);
    label->setBuddy(edit);
    grid.addWidget(label, row, 0);
    grid.addWidget(edit, row, 1);
}

}  // namespace

AxisDialog::AxisDialog(CAxisDlg& record, QWidget* parent)
    : RecordDialog(ToQString(record.Caption()), parent),
      record_(record),
      edited_(record),
      minimum_(NumberEdit("minimum")),
      maximum_(NumberEdit("maximum")),
      ticSpacing_(NumberEdit("ticSpacing")),
      labelSpacing_(NumberEdit("labelSpacing")),
      powerOfTen_(NumberEdit("powerOfTen")),
      decimalDigits_(NumberEdit("decimalDigits")),
      automatic_(new QCheckBox("&Automatic")),
      autoscaleOnce_(new QPushButton("Autoscale Once")),
      automaticPower_(new QCheckBox("Automatic")),
      log_(new QCheckBox("&Log Mode")),
      grid_(new QButtonGroup(this)) {
    automatic_->setObjectName("automatic");
    automaticPower_->setObjectName("automaticPower");
    autoscaleOnce_->setAutoDefault(false);

    auto* right = new QVBoxLayout;
    right->addWidget(MakeLabelGroup());
    right->addWidget(MakeGridGroup());
    auto* columns = new QHBoxLayout;
    columns->addWidget(MakeScalingGroup());
    columns->addLayout(right);
    auto* content = new QVBoxLayout;
    content->addLayout(columns);
    content->addWidget(log_);
    SetContent(WithRoomForTitle(*this, content));

    ShowEdits();
    automatic_->setChecked(edited_.automatic);
    automaticPower_->setChecked(edited_.automaticPower);
    log_->setChecked(edited_.log);
    CheckButton(*grid_, edited_.gridChoice);
    ApplyEnableRules();

    connect(automatic_, &QCheckBox::clicked, this, &AxisDialog::OnAutomaticClicked);
    connect(automaticPower_, &QCheckBox::clicked, this, &AxisDialog::OnAutomaticPowerClicked);
    connect(log_, &QCheckBox::clicked, this, &AxisDialog::OnLogModeClicked);
    connect(autoscaleOnce_, &QPushButton::clicked, this, &AxisDialog::OnAutoscaleOnce);
}

QGroupBox* AxisDialog::MakeScalingGroup() {
    auto* group = new QGroupBox("Axis Scaling");
    auto* grid = new QGridLayout(group);
    AddRow(*grid, "Axis Minimum", minimum_);
    AddRow(*grid, "Axis Maximum", maximum_);
    AddRow(*grid, "Tic Spacing", ticSpacing_);
    AddRow(*grid, "Label Spacing", labelSpacing_);
    const int row = grid->rowCount();
    grid->addWidget(automatic_, row, 0);
    grid->addWidget(autoscaleOnce_, row, 1);
    grid->setRowStretch(row + 1, 1);
    return group;
}

QGroupBox* AxisDialog::MakeLabelGroup() {
    auto* group = new QGroupBox("Label Scaling");
    auto* grid = new QGridLayout(group);
    AddRow(*grid, "Power of 10", powerOfTen_);
    AddRow(*grid, "Max Decimal Digits", decimalDigits_);
    grid->addWidget(automaticPower_, grid->rowCount(), 0);
    return group;
}

QGroupBox* AxisDialog::MakeGridGroup() {
    auto* group = new QGroupBox("Grid Options");
    auto* column = new QVBoxLayout(group);
    for (int mode = 0; mode < 4; ++mode) {
        column->addWidget(AddRadioButton(*grid_, CAxisDlg::kGridCaptions[mode], mode));
    }
    return group;
}

void AxisDialog::ShowEdits() {
    const AxisDlgTexts texts = edited_.ControlTexts();
    minimum_->setText(ToQString(texts.minimum));
    maximum_->setText(ToQString(texts.maximum));
    ticSpacing_->setText(ToQString(texts.ticSpacing));
    labelSpacing_->setText(ToQString(texts.labelSpacing));
    powerOfTen_->setText(ToQString(texts.powerOfTen));
    decimalDigits_->setText(ToQString(texts.decimalDigits));
}

void AxisDialog::ApplyEnableRules() {
    const bool scaling = edited_.IsScalingEditable();
    const std::array<QWidget*, 5> scalingControls{minimum_, maximum_, ticSpacing_, labelSpacing_,
                                                  autoscaleOnce_};
    for (QWidget* control : scalingControls) {
        control->setEnabled(scaling);
    }
    powerOfTen_->setEnabled(edited_.IsPowerEditable());
}

bool AxisDialog::ReadEdits() {
    const AxisDlgTexts texts{
        ToCoreString(minimum_->text()),    ToCoreString(maximum_->text()),
        ToCoreString(ticSpacing_->text()), ToCoreString(labelSpacing_->text()),
        ToCoreString(powerOfTen_->text()), ToCoreString(decimalDigits_->text())};
    return edited_.ReadControls(texts);
}

void AxisDialog::OnAutomaticClicked(bool checked) {
    // A click that cannot read the edits does not happen: the box goes back.
    if (!ReadEdits()) {
        automatic_->setChecked(edited_.automatic);
        return;
    }
    edited_.OnAutomaticClicked(checked);
    ApplyEnableRules();
    ShowEdits();
}

void AxisDialog::OnAutomaticPowerClicked(bool checked) {
    if (!ReadEdits()) {
        automaticPower_->setChecked(edited_.automaticPower);
        return;
    }
    edited_.OnAutomaticPowerClicked(checked);
    ApplyEnableRules();
}

void AxisDialog::OnLogModeClicked(bool checked) {
    if (!ReadEdits()) {
        log_->setChecked(edited_.log);
        return;
    }
    edited_.OnLogModeClicked(checked);
    ShowEdits();
}

void AxisDialog::OnAutoscaleOnce() {
    if (!ReadEdits()) {
        return;
    }
    edited_.OnAutoscaleOnce();
    ShowEdits();
}

bool AxisDialog::StoreFields() {
    if (!ReadEdits()) {
        return false;
    }
    edited_.automatic = automatic_->isChecked();
    edited_.automaticPower = automaticPower_->isChecked();
    edited_.log = log_->isChecked();
    edited_.gridChoice = grid_->checkedId();
    record_ = edited_;
    return true;
}

}  // namespace tapwright::gui
