#include "gui/platform/QtUserInterface.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>

namespace tapwright::gui {

namespace {

QMessageBox::StandardButtons ButtonsFor(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconFor(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

MessageResult ResultFor(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return MessageResult::Yes;
        case QMessageBox::No:
            return MessageResult::No;
        case QMessageBox::Cancel:
            return MessageResult::Cancel;
        default:
            return MessageResult::Ok;
    }
}

}  // namespace

void QtUserInterface::Attach(QWidget* mainWindow, QLabel* messagePane) {
    mainWindow_ = mainWindow;
    messagePane_ = messagePane;
}

MessageResult QtUserInterface::ShowMessage(const std::string& text, MessageButtons buttons,
                                           MessageIcon icon, const std::string& caption) {
    QMessageBox box(IconFor(icon),
                    QString::fromStdString(caption.empty() ? kApplicationTitle : caption),
                    QString::fromStdString(text), ButtonsFor(buttons), mainWindow_);
    box.setWindowModality(Qt::ApplicationModal);
    return ResultFor(box.exec());
}

void QtUserInterface::ShowStatus(const std::string& text) {
    if (messagePane_ == nullptr) {
        return;
    }
    messagePane_->setText(QString::fromStdString(text));
    // The user-interface thread may stay busy for a long time after this call (a design
    // reports each iteration here), so paint now instead of waiting for the event loop.
    messagePane_->repaint();
}

void QtUserInterface::BeginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void QtUserInterface::EndWaitCursor() { QApplication::restoreOverrideCursor(); }

}  // namespace tapwright::gui
