#include "gui/editors/OneBandForm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

#include "editors/OneBand.h"
#include "gui/platform/CoreText.h"

namespace tapwright::gui {

namespace {

// Room in the number fields for a frequency such as "44100.0001".
constexpr int kFieldCharacters = 14;
constexpr int kShortFieldCharacters = 7;

constexpr std::array<const char*, 4> kKindCaptions = {"Lowpass", "Highpass", "Bandpass",
                                                     "Bandstop"};

template <class Field>
Field* MakeField(QWidget* parent, const char* name, int characters) {
    auto* field = new Field(parent);
    field->setObjectName(name);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * characters);
    return field;
}

// The caption column keeps the width of the longest caption it has shown, so that the
// fields do not move when the kind changes.
void SetGrowingText(QLabel& label, const QString& text) {
    label.setText(text);
    label.setMinimumWidth(std::max(label.minimumWidth(), label.sizeHint().width()));
}

}  // namespace

OneBandForm::OneBandForm(COneBand& editor, QWidget* parent)
    : SpecificationForm(editor, parent),
      editor_(editor),
      kinds_(new QButtonGroup(this)),
      taps_(MakeField<IntegerField>(this, "numTaps", kShortFieldCharacters)),
      grid_(MakeField<IntegerField>(this, "gridDensity", kShortFieldCharacters)),
      edge1Label_(new QLabel(this)),
      edge1_(MakeField<DoubleField>(this, "edge1", kFieldCharacters)),
      edge2Label_(new QLabel(this)),
      edge2_(MakeField<DoubleField>(this, "edge2", kFieldCharacters)),
      ripple_(MakeField<FloatField>(this, "rippleDb", kFieldCharacters)),
      attenuation_(MakeField<FloatField>(this, "attenuationDb", kFieldCharacters)),
      centerGroup_(new QGroupBox(this)),
      center_(MakeField<DoubleField>(this, "centerFrequency", kFieldCharacters)),
      actualsGroup_(new QGroupBox(this)),
      actualRipple_(new QLabel(this)),
      actualAttenuation_(new QLabel(this)) {
    for (QLineEdit* field : std::initializer_list<QLineEdit*>{taps_, grid_, edge1_, edge2_,
                                                              ripple_, attenuation_, center_}) {
        field->setAlignment(Qt::AlignRight);
    }
    Checks().Add(*taps_);
    Checks().Add(*grid_);
    Checks().Add(*edge1_);
    Checks().Add(*edge2_);
    Checks().Add(*ripple_);
    Checks().Add(*attenuation_);
    Checks().Add(*center_);

    auto* top = new QHBoxLayout;
    top->addWidget(MakeKindGroup());
    top->addWidget(MakeSingleFieldGroup("Number of Taps", taps_), 0, Qt::AlignTop);
    top->addWidget(MakeSingleFieldGroup("Grid", grid_), 0, Qt::AlignTop);
    top->addWidget(MakeSingleFieldGroup("Sampling Frequency", FsButton()), 0, Qt::AlignTop);
    top->addStretch();

    auto* middle = new QHBoxLayout;
    centerGroup_->setObjectName("centerGroup");
    auto* centerLayout = new QVBoxLayout(centerGroup_);
    centerLayout->addWidget(center_);
    centerLayout->addStretch();
    middle->addWidget(centerGroup_);
    middle->addWidget(MakeActualsGroup(), 1);

    auto* form = new QVBoxLayout(this);
    form->addLayout(top);
    form->addLayout(MakeBandFields());
    form->addLayout(middle);
    form->addLayout(MakeButtons());
    form->setSizeConstraint(QLayout::SetMinimumSize);

    std::vector<QWidget*> order;
    for (QAbstractButton* kind : kinds_->buttons()) {
        order.push_back(kind);
    }
    order.insert(order.end(), {taps_, grid_, FsButton(), edge1_, edge2_, ripple_, attenuation_,
                               center_});
    SetTabOrder(order);
    Bind();
}

QWidget* OneBandForm::MakeKindGroup() {
    auto* group = new QGroupBox(this);
    group->setObjectName("kindGroup");
    auto* column = new QVBoxLayout(group);
    int id = 0;
    for (const char* caption : kKindCaptions) {
        auto* radio = new QRadioButton(caption, group);
        kinds_->addButton(radio, id++);
        column->addWidget(radio);
    }
    connect(kinds_, &QButtonGroup::idClicked, this, [this](int id) {
        const bool handed =
            Forward([this, id] { editor_.OnKindClicked(static_cast<SimpleFilterKind>(id)); });
        if (!handed) {
            // The kind stays what the editor has until the fields can be read.
            kinds_->button(static_cast<int>(editor_.filterKind))->setChecked(true);
        }
    });
    return group;
}

QWidget* OneBandForm::MakeSingleFieldGroup(const QString& title, QWidget* field) {
    auto* group = new QGroupBox(title, this);
    auto* column = new QVBoxLayout(group);
    column->addWidget(field);
    return group;
}

QLayout* OneBandForm::MakeBandFields() {
    auto* grid = new QGridLayout;
    const auto addRow = [grid](int row, QLabel* caption, QLineEdit* field) {
        caption->setBuddy(field);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
    };
    addRow(0, edge1Label_, edge1_);
    addRow(1, edge2Label_, edge2_);
    addRow(2, new QLabel("Passband Ripple in dB:", this), ripple_);
    addRow(3, new QLabel("Stopband Attenuation in dB:", this), attenuation_);
    grid->setColumnStretch(2, 1);
    return grid;
}

QWidget* OneBandForm::MakeActualsGroup() {
    actualsGroup_->setObjectName("actualsGroup");
    actualRipple_->setObjectName("actualRipple");
    actualAttenuation_->setObjectName("actualAttenuation");
    auto* grid = new QGridLayout(actualsGroup_);
    grid->addWidget(new QLabel("Ripple:", actualsGroup_), 0, 0);
    grid->addWidget(actualRipple_, 0, 1);
    grid->addWidget(new QLabel("Attenuation:", actualsGroup_), 1, 0);
    grid->addWidget(actualAttenuation_, 1, 1);
    grid->setColumnStretch(1, 1);
    for (QLabel* actual : {actualRipple_, actualAttenuation_}) {
        // Room for "-123.456 dB" before a design has filled them.
        actual->setMinimumWidth(actual->fontMetrics().horizontalAdvance("-0000.000 dB"));
        actual->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    return actualsGroup_;
}

QLayout* OneBandForm::MakeButtons() {
    auto* row = new QHBoxLayout;
    row->addWidget(AddClickButton("Design", [this] { editor_.OnDesignClicked(); }));
    estimate_ = AddClickButton("Estimate", [this] { editor_.OnEstimateClicked(); });
    row->addWidget(estimate_);
    row->addWidget(AddClickButton("Optimize", [this] { editor_.OnOptimize(); }));
    row->addStretch();
    return row;
}

void OneBandForm::ReadWidgets() {
    ReadInto(*taps_, editor_.numTaps);
    ReadInto(*edge1_, editor_.edge1);
    ReadInto(*attenuation_, editor_.attenuationDb);
    ReadInto(*edge2_, editor_.edge2);
    ReadInto(*grid_, editor_.gridDensity);
    ReadInto(*center_, editor_.centerFrequency);
    if (kinds_->checkedId() >= 0) {
        editor_.filterKind = static_cast<SimpleFilterKind>(kinds_->checkedId());
    }
    ReadInto(*ripple_, editor_.rippleDb);
}

void OneBandForm::WriteWidgets() {
    taps_->SetValue(editor_.numTaps);
    edge1_->SetValue(editor_.edge1);
    attenuation_->SetValue(editor_.attenuationDb);
    edge2_->SetValue(editor_.edge2);
    grid_->SetValue(editor_.gridDensity);
    center_->SetValue(editor_.centerFrequency);
    if (QAbstractButton* kind = kinds_->button(static_cast<int>(editor_.filterKind))) {
        kind->setChecked(true);
    }
    ripple_->SetValue(editor_.rippleDb);
    ShowDerived();
}

void OneBandForm::ShowPart(EditorPart part) {
    if (part == EditorPart::FsCaption) {
        ShowFsCaption();
    } else {
        ShowDerived();
    }
}

// The captions, levels and enabled controls the editor derived from its fields.
void OneBandForm::ShowDerived() {
    SetGrowingText(*edge1Label_, ToQString(editor_.Edge1Label()));
    SetGrowingText(*edge2Label_, ToQString(editor_.Edge2Label()));
    actualRipple_->setText(ToQString(editor_.ActualRippleText()));
    actualAttenuation_->setText(ToQString(editor_.ActualAttnText()));
    actualsGroup_->setTitle(ToQString(editor_.ActualsCaption()));
    centerGroup_->setTitle(ToQString(editor_.CenterCaption()));
    center_->setEnabled(editor_.IsCenterEnabled());
    estimate_->setEnabled(editor_.IsEstimateEnabled());
}

}  // namespace tapwright::gui
