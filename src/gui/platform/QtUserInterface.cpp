#include "gui/platform/QtUserInterface.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>

#include "gui/app/PrefsDialog.h"
#include "gui/dialogs/Dialogs.h"
#include "gui/platform/CoreText.h"
#include "gui/platform/FileDialogBinding.h"
#include "gui/plot/PlotDialogs.h"
#include "gui/plot/FontDialogBinding.h"

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

// A box closed without a button (Escape, the window's close button) answers with the
// button that stands for cancelling.
MessageResult ResultFor(int button, MessageButtons buttons) {
    switch (button) {
        case QMessageBox::Ok:
            return MessageResult::Ok;
        case QMessageBox::Yes:
            return MessageResult::Yes;
        case QMessageBox::No:
            return MessageResult::No;
        case QMessageBox::Cancel:
            return MessageResult::Cancel;
        default:
            return DefaultAnswer(buttons);
    }
}

}  // namespace

void QtUserInterface::Attach(QWidget* mainWindow, QLabel* messagePane) {
    mainWindow_ = mainWindow;
    messagePane_ = messagePane;
}

MessageResult QtUserInterface::ShowMessage(const std::string& text, MessageButtons buttons,
                                           MessageIcon icon, const std::string& caption) {
    HeldMessage message{text, buttons, icon, caption};
    if (PaintScope::Active()) {
        Hold(std::move(message));
        return DefaultAnswer(buttons);
    }
    return ShowBox(message);
}

MessageResult QtUserInterface::ShowBox(const HeldMessage& message) {
    QMessageBox box(IconFor(message.icon),
                    ToQString(message.caption.empty() ? kApplicationTitle : message.caption),
                    ToQString(message.text), ButtonsFor(message.buttons), mainWindow_);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    return ResultFor(box.exec(), message.buttons);
}

// A plot that paints again and again repeats its message each time; the user needs to read
// it once.
void QtUserInterface::Hold(HeldMessage message) {
    const bool alreadyHeld = std::any_of(held_.begin(), held_.end(), [&](const HeldMessage& m) {
        return m.text == message.text && m.caption == message.caption;
    });
    if (alreadyHeld) {
        return;
    }
    held_.push_back(std::move(message));
    if (held_.size() == 1) {
        QTimer::singleShot(0, &heldMessageTimer_, [this] { ShowHeldMessages(); });
    }
}

void QtUserInterface::ShowHeldMessages() {
    // A box's own event loop may run this again, or hold further messages; the outer call
    // shows them all, one after the other.
    if (showingHeld_) {
        return;
    }
    showingHeld_ = true;
    while (!held_.empty()) {
        const HeldMessage message = held_.front();
        held_.pop_front();
        ShowBox(message);
    }
    showingHeld_ = false;
}

void QtUserInterface::ShowStatus(const std::string& text) {
    if (messagePane_ == nullptr) {
        return;
    }
    messagePane_->setText(ToQString(text));
    if (PaintScope::Active()) {
        // Painting another widget of the same window now would start a second paint of its
        // backing store in the middle of this one.
        messagePane_->update();
        return;
    }
    // The user-interface thread may stay busy for a long time after this call (a design
    // reports each iteration here), so paint now instead of waiting for the event loop.
    messagePane_->repaint();
}

void QtUserInterface::BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUserInterface::EndWaitCursor() {
    QApplication::restoreOverrideCursor();
}

bool QtUserInterface::Run(CWindowDlg& dialog) {
    return RunDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CScaleDlg& dialog) {
    return RunDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CQuantizeDlg& dialog) {
    return RunDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CCombFill& dialog) {
    return RunDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CSineDlg& dialog) {
    return RunDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CMixDlg& dialog) {
    return RunDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CSampleRateDlg& dialog) {
    return RunDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CMinDbDlg& dialog) {
    return RunDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CDataFilesDlg& dialog) {
    return RunDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CWaveFormatDlg& dialog) {
    return RunDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CCOptionsDlg& dialog) {
    return RunDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CAsmOptionsDlg& dialog) {
    return RunDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CTitlesDlg& dialog) {
    return RunDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CAxisDlg& dialog) {
    return RunDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CPlotPropsDlg& dialog) {
    return RunDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CNewProjectDlg& dialog) {
    return RunDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CDataViewFormatDlg& dialog) {
    return RunDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CPrefsDlg& dialog) {
    PrefsDialog shown(dialog, mainWindow_);
    return shown.exec() == QDialog::Accepted;
}

bool QtUserInterface::Run(CFontDlg& dialog) {
    return RunFontDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CFileDlg& dialog) {
    return RunFileDialog(dialog, mainWindow_);
}

bool QtUserInterface::Run(CWordLengthDlg& dialog) {
    return RunDialog(dialog, mainWindow_);
}

}  // namespace tapwright::gui
