#include "gui/dialogs/AsmOptionsDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "gui/dialogs/DialogParts.h"
#include "gui/platform/CoreText.h"

namespace tapwright::gui {

namespace {

QLineEdit* MakeEdit(const char* name, const std::string& text) {
    auto* edit = new QLineEdit(ToQString(text));
    edit->setObjectName(name);
    return edit;
}

QCheckBox* MakeBox(const char* caption, bool checked) {
    auto* box = new QCheckBox(caption);
    box->setChecked(checked);
    return box;
}

}  // namespace

AsmOptionsDialog::AsmOptionsDialog(CAsmOptionsDlg& record, QWidget* parent)
    : RecordDialog(CAsmOptionsDlg::kCaption, parent),
      record_(record),
      edited_(record),
      name_(MakeEdit("name", record.name)),
      initialText_(MakeEdit("initialText", record.initialText)),
      finalText_(MakeEdit("finalText", record.finalText)),
      showGraph_(MakeBox("Show Graph", record.showGraph)),
      showLength_(MakeBox("Show Length", record.showLength)),
      showRatio_(MakeBox("Show Ratio: ", record.showRatio)),
      ratioText_(MakeEdit("ratioText", record.ratioText)),
      dataFormats_(new QButtonGroup(this)),
      showFloat_(MakeBox("Show Floating Point", record.showFloat)),
      showOther_(MakeBox("Show Other Format", record.showOther)) {
    ratioText_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]*"), ratioText_));

    auto* texts = new QVBoxLayout;
    auto* nameGroup = new QGroupBox("Data Variable");
    auto* nameForm = new QFormLayout(nameGroup);
    nameForm->addRow("Name", name_);
    texts->addWidget(nameGroup);
    texts->addWidget(MakeTextGroup("Initial Text", initialText_));
    texts->addWidget(MakeTextGroup("Final Text", finalText_));
    texts->addStretch();

    auto* choices = new QVBoxLayout;
    choices->addWidget(MakeEquates());
    choices->addWidget(MakeDataFormatGroup());
    choices->addWidget(MakeCommentGroup());
    choices->addStretch();

    auto* content = new QGridLayout;
    content->addLayout(texts, 0, 0);
    content->addLayout(choices, 0, 1);
    SetContent(WithRoomForTitle(*this, content));

    CheckButton(*dataFormats_, static_cast<int>(edited_.dataFormat));
    ShowCommentEnables();
    connect(dataFormats_, &QButtonGroup::idClicked, [this](int format) {
        edited_.dataFormat = static_cast<AsmDataFormat>(format);
        ShowCommentEnables();
    });
}

QGroupBox* AsmOptionsDialog::MakeTextGroup(const char* title, QLineEdit* edit) {
    auto* group = new QGroupBox(title);
    auto* column = new QVBoxLayout(group);
    column->addWidget(edit);
    return group;
}

QWidget* AsmOptionsDialog::MakeEquates() {
    auto* equates = new QWidget;
    auto* grid = new QGridLayout(equates);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(showGraph_, 0, 0, 1, 2);
    grid->addWidget(showLength_, 1, 0, 1, 2);
    grid->addWidget(showRatio_, 2, 0);
    grid->addWidget(ratioText_, 2, 1);
    return equates;
}

QGroupBox* AsmOptionsDialog::MakeDataFormatGroup() {
    auto* group = new QGroupBox("Data Format");
    auto* column = new QVBoxLayout(group);
    column->addWidget(
        AddRadioButton(*dataFormats_, "Decimal Int", static_cast<int>(AsmDataFormat::DecimalInt)));
    column->addWidget(
        AddRadioButton(*dataFormats_, "Hex Int", static_cast<int>(AsmDataFormat::HexInt)));
    column->addWidget(AddRadioButton(*dataFormats_, "Float", static_cast<int>(AsmDataFormat::Float)));
    return group;
}

QGroupBox* AsmOptionsDialog::MakeCommentGroup() {
    auto* group = new QGroupBox("End-of-Line Comments");
    auto* column = new QVBoxLayout(group);
    column->addWidget(showFloat_);
    column->addWidget(showOther_);
    return group;
}

void AsmOptionsDialog::ShowCommentEnables() {
    const bool enabled = edited_.AreIntegerCommentsEnabled();
    showFloat_->setEnabled(enabled);
    showOther_->setEnabled(enabled);
}

bool AsmOptionsDialog::StoreFields() {
    edited_.name = EditedText(*name_, edited_.name);
    edited_.initialText = EditedText(*initialText_, edited_.initialText);
    edited_.finalText = EditedText(*finalText_, edited_.finalText);
    edited_.ratioText = EditedText(*ratioText_, edited_.ratioText);
    edited_.showGraph = showGraph_->isChecked();
    edited_.showLength = showLength_->isChecked();
    edited_.showRatio = showRatio_->isChecked();
    edited_.showFloat = showFloat_->isChecked();
    edited_.showOther = showOther_->isChecked();
    if (!edited_.OnOK()) {
        name_->setText(ToQString(edited_.name));
        name_->setFocus();
        name_->selectAll();
        return false;
    }
    record_ = edited_;
    return true;
}

}  // namespace tapwright::gui
