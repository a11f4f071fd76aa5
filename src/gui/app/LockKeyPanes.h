#pragma once

#include <QObject>

#include <array>

class QLabel;
class QStatusBar;

namespace tapwright::gui {

// The CAP and NUM panes at the right of the status bar. Each shows its name while its lock
// key is on and stays blank, at the same width, while it is off.
//
// A pane that showed a guess would mislead, so a pane exists only where the state can be
// read. On X11 the server's modifier mask holds the Caps Lock and Num Lock states: they are
// read when the panes are made and whenever the program becomes active, and every key event
// carries them too. Scroll Lock is no modifier there, and other platforms tell neither
// state, so those panes are not shown.
class LockKeyPanes : public QObject {
public:
    enum class Lock { Caps, Num, Scroll };

    // Adds the panes that can be shown to the status bar.
    explicit LockKeyPanes(QStatusBar& statusBar);

    bool IsOn(Lock lock) const { return states_[Index(lock)]; }
    // Null for a pane that is not shown.
    QLabel* Pane(Lock lock) const { return panes_[Index(lock)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static std::size_t Index(Lock lock) { return static_cast<std::size_t>(lock); }
    void ShowMask(quint32 modifierMask);
    void ReadServerState();
    void Set(Lock lock, bool on);

    std::array<QLabel*, 3> panes_{};
    std::array<bool, 3> states_{};
};

}  // namespace tapwright::gui
