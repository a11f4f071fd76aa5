#include "gui/plot/TitlesDialog.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/dialogs/DialogParts.h"
#include "gui/platform/CoreText.h"

namespace tapwright::gui {

namespace {

// Titles are a line of a plot; the edits show one whole.
constexpr int kTitleWidthInCharacters = 48;

QGroupBox* TitleGroup(const char* caption, QLineEdit* edit, const std::string& title) {
    edit->setText(ToQString(title));
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance('x') * kTitleWidthInCharacters);
    auto* group = new QGroupBox(caption);
    auto* column = new QVBoxLayout(group);
    column->addWidget(edit);
    return group;
}

}  // namespace

TitlesDialog::TitlesDialog(CTitlesDlg& record, QWidget* parent)
    : RecordDialog(CTitlesDlg::kCaption, parent),
      record_(record),
      main_(new QLineEdit),
      x_(new QLineEdit),
      y_(new QLineEdit) {
    main_->setObjectName("mainTitle");
    x_->setObjectName("xTitle");
    y_->setObjectName("yTitle");
    auto* content = new QVBoxLayout;
    content->addWidget(TitleGroup("Main Title", main_, record_.mainTitle));
    content->addWidget(TitleGroup("X-Title", x_, record_.xTitle));
    content->addWidget(TitleGroup("Y-Title", y_, record_.yTitle));
    SetContent(content);
}

bool TitlesDialog::StoreFields() {
    record_.mainTitle = EditedText(*main_, record_.mainTitle);
    record_.xTitle = EditedText(*x_, record_.xTitle);
    record_.yTitle = EditedText(*y_, record_.yTitle);
    return true;
}

}  // namespace tapwright::gui
