#include "gui/platform/QtUserInterface.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include <functional>
#include <utility>

#include "gui/platform/CoreText.h"
#include "gui/platform/QtDialogs.h"
#include "gui/widgets/DialogFrame.h"

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

// The status bar is one line high: the lines of a text are joined, where a box would show
// them one below the other.
QString OneLine(const std::string& text) {
    return ToQString(text).split('\n', Qt::SkipEmptyParts).join(' ');
}

// Calls back on every key press, mouse press and wheel turn of the application.
class InputWatcher final : public QObject {
public:
    explicit InputWatcher(std::function<void()> onInput) : onInput_(std::move(onInput)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
                onInput_();
                break;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onInput_;
};

}  // namespace

// Answering a box is part of the command that shows it (an optimisation shows its result,
// then the same text in a box): only input elsewhere begins another command.
QtUserInterface::QtUserInterface()
    : inputWatcher_(std::make_unique<InputWatcher>([this] {
          if (boxesShown_ == 0) {
              result_.clear();
          }
      })) {}

QtUserInterface::~QtUserInterface() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(inputWatcher_.get());
    }
}

void QtUserInterface::Attach(QWidget* mainWindow, QLabel* messagePane) {
    mainWindow_ = mainWindow;
    messagePane_ = messagePane;
    result_.clear();
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(inputWatcher_.get());
        if (messagePane != nullptr) {
            QCoreApplication::instance()->installEventFilter(inputWatcher_.get());
        }
    }
}

MessageResult QtUserInterface::ShowMessage(const std::string& text, MessageButtons buttons,
                                           MessageIcon icon, const std::string& caption) {
    QMessageBox box(IconFor(icon), ToQString(caption.empty() ? kApplicationTitle : caption),
                    ToQString(text), ButtonsFor(buttons), mainWindow_);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    // After the modality, which gives a message box the flags of a plain dialog again.
    UseDialogFrame(box);
    ++boxesShown_;
    const int button = box.exec();
    --boxesShown_;
    return ResultFor(button, buttons);
}

void QtUserInterface::ShowStatus(const std::string& text) {
    if (messagePane_ == nullptr) {
        return;
    }
    // Redraws follow a design or an optimisation; their texts would replace its result the
    // moment the plots paint.
    if (PaintScope::Active() && !result_.isEmpty()) {
        return;
    }
    result_.clear();
    ShowInPane(OneLine(text));
}

void QtUserInterface::ShowResult(const std::string& text) {
    if (messagePane_ == nullptr) {
        return;
    }
    result_ = OneLine(text);
    ShowInPane(result_);
}

QString QtUserInterface::RestingText() const {
    return result_.isEmpty() ? QString(kIdleText) : result_;
}

void QtUserInterface::ShowInPane(const QString& text) {
    messagePane_->setText(text);
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

#define TAPWRIGHT_SHOW_QT_DIALOG(Record) \
    bool QtUserInterface::Run(Record& dialog) { return RunDialog(dialog, mainWindow_); }
TAPWRIGHT_DIALOG_RECORDS(TAPWRIGHT_SHOW_QT_DIALOG)
#undef TAPWRIGHT_SHOW_QT_DIALOG

}  // namespace tapwright::gui
