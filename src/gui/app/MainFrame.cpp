#include "gui/app/MainFrame.h"

#include <QLabel>
#include <QMdiArea>
#include <QStatusBar>

#include "gui/platform/QtUserInterface.h"

namespace tapwright::gui {

MainFrame::MainFrame(QWidget* parent)
    : QMainWindow(parent), mdiArea_(new QMdiArea(this)), messagePane_(new QLabel(this)) {
    setWindowTitle(kApplicationTitle);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    CreateStatusBar();
}

void MainFrame::CreateStatusBar() {
    messagePane_->setText(QtUserInterface::kIdleText);
    messagePane_->setObjectName("messagePane");
    statusBar()->addWidget(messagePane_, 1);
}

}  // namespace tapwright::gui
