#include "gui/app/LockKeyPanes.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

#include <xcb/xcb.h>

#include <cstdlib>
#include <optional>

namespace tapwright::gui {

namespace {

constexpr std::array<const char*, 3> kPaneTexts = {"CAP", "NUM", "SCRL"};

// The bits of the X11 modifier mask that hold the lock states.
constexpr quint32 kX11LockMask = 0x02;
constexpr quint32 kX11NumLockMask = 0x10;

xcb_connection_t* X11Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

// The modifier mask the X server holds now, lock states included; nothing off X11.
std::optional<quint32> ServerModifierMask() {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) {
        return std::nullopt;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_query_pointer_reply_t* reply =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr);
    if (reply == nullptr) {
        return std::nullopt;
    }
    const quint32 mask = reply->mask;
    std::free(reply);
    return mask;
}

}  // namespace

LockKeyPanes::LockKeyPanes(QStatusBar& statusBar) : QObject(&statusBar) {
    if (X11Connection() == nullptr) {
        return;
    }
    for (const Lock lock : {Lock::Caps, Lock::Num}) {
        const std::size_t i = Index(lock);
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
    ReadServerState();
    qApp->installEventFilter(this);
}

void LockKeyPanes::ReadServerState() {
    if (const std::optional<quint32> mask = ServerModifierMask()) {
        ShowMask(*mask);
    }
}

void LockKeyPanes::ShowMask(quint32 modifierMask) {
    Set(Lock::Caps, (modifierMask & kX11LockMask) != 0);
    Set(Lock::Num, (modifierMask & kX11NumLockMask) != 0);
}

bool LockKeyPanes::eventFilter(QObject* watched, QEvent* event) {
    // The keys may have been pressed in another program meanwhile.
    if (event->type() == QEvent::ApplicationActivate) {
        ReadServerState();
        return false;
    }
    // A key event reaches the window first and then, maybe several times, the widgets on
    // its way to the one that takes it; only the first counts. Its mask is the state before
    // the key, so a lock key's own press is read from the server after it.
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (!keyEvent || !watched->isWindowType()) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->key() == Qt::Key_CapsLock || key->key() == Qt::Key_NumLock) {
        ReadServerState();
    } else {
        ShowMask(key->nativeModifiers());
    }
    return false;
}

void LockKeyPanes::Set(Lock lock, bool on) {
    states_[Index(lock)] = on;
    if (QLabel* pane = panes_[Index(lock)]) {
        pane->setText(on ? kPaneTexts[Index(lock)] : "");
    }
}

}  // namespace tapwright::gui
