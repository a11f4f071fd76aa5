#include "gui/app/AboutBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/app/Resources.h"
#include "gui/widgets/DialogFrame.h"

namespace tapwright::gui {

namespace {

constexpr int kPictureSide = 96;

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    LoadResources();
    UseDialogFrame(*this);
    setWindowTitle(kTitle);
    setModal(true);

    auto* picture = new QLabel;
    picture->setObjectName("aboutPicture");
    picture->setPixmap(QIcon(":/icons/tapwright.svg").pixmap(kPictureSide, kPictureSide));

    auto* text = new QLabel(QString("<b>Tapwright</b> Version %1<br><br>"
                                    "Equiripple FIR filter design workstation")
                                .arg(TAPWRIGHT_VERSION));
    text->setObjectName("aboutText");
    text->setTextFormat(Qt::RichText);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(picture, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tapwright::gui
