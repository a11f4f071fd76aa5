#include "gui/app/PrefsDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/widgets/NumberField.h"

namespace tapwright::gui {

namespace {

using Values = PreferenceValues;

template <class Field>
Field* MakeField(const char* key) {
    auto* field = new Field;
    field->setObjectName(key);
    return field;
}

}  // namespace

PrefsDialog::PrefsDialog(CPrefsDlg& record, QWidget* parent)
    : RecordDialog(CPrefsDlg::kTitle, parent),
      record_(record),
      maxPassDb_(MakeField<DoubleField>("m_dEditorMaxPassDb")),
      gridDensity_(MakeField<IntegerField>("m_nEditorGridDensity")),
      minDb_(MakeField<DoubleField>("m_dMinDb")) {
    auto* groups = new QGridLayout;
    groups->addWidget(MakeEditorDefaults(), 0, 0, 3, 1);
    groups->addWidget(
        MakeFlagGroup("Auto View After Design",
                      {{"Impulse Response", "m_bDesignViewImp", &Values::m_bDesignViewImp},
                       {"Frequency Response", "m_bDesignViewFreq", &Values::m_bDesignViewFreq},
                       {"Coefficient Data", "m_bDesignViewCoeffs", &Values::m_bDesignViewCoeffs}}),
        0, 1);
    groups->addWidget(
        MakeFlagGroup("Auto View After Import",
                      {{"Impulse Response", "m_bReadViewImp", &Values::m_bReadViewImp},
                       {"Frequency Response", "m_bReadViewFreq", &Values::m_bReadViewFreq},
                       {"Coefficient Data", "m_bReadViewCoeffs", &Values::m_bReadViewCoeffs}}),
        1, 1);
    groups->addWidget(
        MakeFlagGroup("Scale Filter:",
                      {{"After Design", "m_bScaleAfterDesign", &Values::m_bScaleAfterDesign},
                       {"After Import", "m_bScaleAfterRead", &Values::m_bScaleAfterRead},
                       {"After Mix", "m_bScaleAfterMix", &Values::m_bScaleAfterMix}}),
        2, 1);

    auto* minDbRow = new QFormLayout;
    minDbRow->addRow("Default Min dB", minDb_);
    groups->addLayout(minDbRow, 3, 0);
    SetContent(groups);

    const Values& values = record_.values;
    for (const FlagBox& flag : flags_) {
        flag.box->setChecked(values.*flag.member);
    }
    maxPassDb_->SetValue(values.m_dEditorMaxPassDb);
    gridDensity_->SetValue(values.m_nEditorGridDensity);
    minDb_->SetValue(values.m_dMinDb);
}

QGroupBox* PrefsDialog::MakeEditorDefaults() {
    auto* group = new QGroupBox("Advanced Editor Defaults");
    auto* form = new QFormLayout(group);
    form->addRow(AddFlag({"Gain in dB", "m_bEditorGainInDb", &Values::m_bEditorGainInDb}));
    form->addRow(AddFlag({"Attn/Ripple in dB", "m_bEditorAttnInDb", &Values::m_bEditorAttnInDb}));
    form->addRow("Max Passband dB", maxPassDb_);
    form->addRow(AddFlag({"Auto Select Pass/Stopband", "m_bEditorSelectPassStop",
                          &Values::m_bEditorSelectPassStop}));
    form->addRow("Grid Density", gridDensity_);
    form->addRow(AddFlag(
        {"Show \"Passband/Stopband\"", "m_bEditorShowPassStop", &Values::m_bEditorShowPassStop}));
    return group;
}

QGroupBox* PrefsDialog::MakeFlagGroup(const char* title, const std::vector<FlagCaption>& flags) {
    auto* group = new QGroupBox(title);
    auto* column = new QVBoxLayout(group);
    for (const FlagCaption& flag : flags) {
        column->addWidget(AddFlag(flag));
    }
    return group;
}

QCheckBox* PrefsDialog::AddFlag(const FlagCaption& flag) {
    auto* box = new QCheckBox(flag.caption);
    box->setObjectName(flag.key);
    flags_.push_back({box, flag.member});
    return box;
}

bool PrefsDialog::StoreFields() {
    Values values = record_.values;
    if (!ReadField(*maxPassDb_, values.m_dEditorMaxPassDb) ||
        !ReadField(*gridDensity_, values.m_nEditorGridDensity) ||
        !ReadField(*minDb_, values.m_dMinDb)) {
        return false;
    }
    for (const FlagBox& flag : flags_) {
        values.*flag.member = flag.box->isChecked();
    }
    record_.values = values;
    return true;
}

}  // namespace tapwright::gui
