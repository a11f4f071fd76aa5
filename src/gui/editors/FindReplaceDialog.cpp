#include "gui/editors/FindReplaceDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/DialogFrame.h"

namespace tapwright::gui {

FindReplaceDialog::FindReplaceDialog(Handler handler, QWidget* parent)
    : QDialog(parent),
      handler_(std::move(handler)),
      findWhat_(new QLineEdit),
      replaceWith_(new QLineEdit),
      replaceRow_(new QWidget),
      matchCase_(new QCheckBox("Match &case")),
      wholeWord_(new QCheckBox("Match &whole word only")),
      findNext_(new QPushButton("&Find Next")),
      replace_(new QPushButton("&Replace")),
      replaceAll_(new QPushButton("Replace &All")) {
    UseDialogFrame(*this);
    findWhat_->setObjectName("findWhat");
    replaceWith_->setObjectName("replaceWith");
    auto* replaceLayout = new QFormLayout(replaceRow_);
    replaceLayout->setContentsMargins(0, 0, 0, 0);
    replaceLayout->addRow("Re&place with:", replaceWith_);

    auto* fields = new QVBoxLayout;
    auto* findLayout = new QFormLayout;
    findLayout->addRow("Fi&nd what:", findWhat_);
    fields->addLayout(findLayout);
    fields->addWidget(replaceRow_);
    fields->addWidget(matchCase_);
    fields->addWidget(wholeWord_);
    fields->addStretch();

    auto* close = new QPushButton("Cancel");
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {findNext_, replace_, replaceAll_, close}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    findNext_->setDefault(true);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(findNext_, &QPushButton::clicked, this, [this] { Act(Action::FindNext); });
    connect(replace_, &QPushButton::clicked, this, [this] { Act(Action::Replace); });
    connect(replaceAll_, &QPushButton::clicked, this, [this] { Act(Action::ReplaceAll); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(findWhat_, &QLineEdit::textChanged, this, [this] { EnableButtons(); });
}

void FindReplaceDialog::Open(bool replacing, const TextSearch& search) {
    setWindowTitle(replacing ? "Replace" : "Find");
    findWhat_->setText(search.findWhat);
    replaceWith_->setText(search.replaceWith);
    matchCase_->setChecked(search.matchCase);
    wholeWord_->setChecked(search.wholeWord);
    replaceRow_->setVisible(replacing);
    replace_->setVisible(replacing);
    replaceAll_->setVisible(replacing);
    EnableButtons();
    adjustSize();
    show();
    raise();
    activateWindow();
    findWhat_->setFocus();
    findWhat_->selectAll();
}

TextSearch FindReplaceDialog::Search() const {
    return {findWhat_->text(), replaceWith_->text(), matchCase_->isChecked(),
            wholeWord_->isChecked()};
}

void FindReplaceDialog::Act(Action action) {
    handler_(action, Search());
}

void FindReplaceDialog::EnableButtons() {
    const bool searchable = !findWhat_->text().isEmpty();
    for (QPushButton* button : {findNext_, replace_, replaceAll_}) {
        button->setEnabled(searchable);
    }
}

}  // namespace tapwright::gui
