#include "gui/widgets/RecordDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/DialogFrame.h"

namespace tapwright::gui {

RecordDialog::RecordDialog(const QString& title, QWidget* parent) : QDialog(parent) {
    UseDialogFrame(*this);
    setWindowTitle(title);
    setModal(true);
}

void RecordDialog::SetContent(QLayout* content) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // A button of the content ("Browse...", "Options...") that has had the focus would
    // otherwise take Return from the fields: Return is OK.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->parent() != buttons) {
            button->setAutoDefault(false);
        }
    }
}

void RecordDialog::accept() {
    if (StoreFields()) {
        QDialog::accept();
    }
}

}  // namespace tapwright::gui
