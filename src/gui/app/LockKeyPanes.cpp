#include "gui/app/LockKeyPanes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QWindow>

namespace tapwright::gui {

namespace {

constexpr std::array<const char*, 3> kPaneTexts = {"CAP", "NUM", "SCRL"};

// The bits of the X11 modifier mask that hold the lock states.
constexpr quint32 kX11LockMask = 0x02;
constexpr quint32 kX11NumLockMask = 0x10;

}  // namespace

LockKeyPanes::LockKeyPanes(QStatusBar& statusBar)
    : QObject(&statusBar), modifierMaskKnown_(QGuiApplication::platformName() == "xcb") {
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        auto* pane = new QLabel(&statusBar);
        pane->setObjectName(QString(kPaneTexts[i]).toLower() + "Pane");
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        const QFontMetrics metrics(pane->font());
        pane->setMinimumWidth(metrics.horizontalAdvance(kPaneTexts[i]) +
                              2 * metrics.averageCharWidth());
        statusBar.addPermanentWidget(pane);
        panes_[i] = pane;
    }
    qApp->installEventFilter(this);
}

bool LockKeyPanes::eventFilter(QObject* watched, QEvent* event) {
    // A key event reaches the window first and then, maybe several times, the widgets on
    // its way to the one that takes it; only the first counts.
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (!keyEvent || !watched->isWindowType()) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (modifierMaskKnown_) {
        Set(Lock::Caps, (key->nativeModifiers() & kX11LockMask) != 0);
        Set(Lock::Num, (key->nativeModifiers() & kX11NumLockMask) != 0);
    }
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
        switch (key->key()) {
            case Qt::Key_CapsLock:
                if (!modifierMaskKnown_) {
                    Set(Lock::Caps, !IsOn(Lock::Caps));
                }
                break;
            case Qt::Key_NumLock:
                if (!modifierMaskKnown_) {
                    Set(Lock::Num, !IsOn(Lock::Num));
                }
                break;
            case Qt::Key_ScrollLock:
                Set(Lock::Scroll, !IsOn(Lock::Scroll));
                break;
            default:
                break;
        }
    }
    return false;
}

void LockKeyPanes::Set(Lock lock, bool on) {
    states_[Index(lock)] = on;
    panes_[Index(lock)]->setText(on ? kPaneTexts[Index(lock)] : "");
}

}  // namespace tapwright::gui
