#pragma once

#include <QObject>

#include <array>

class QLabel;
class QStatusBar;

namespace tapwright::gui {

// The CAP, NUM and SCRL panes at the right of the status bar. Each shows its name while its
// lock key is on and stays blank, at the same width, while it is off.
//
// Qt does not report the lock states directly. On X11 every key event carries the keyboard's
// modifier mask, which holds the Caps Lock and Num Lock states; elsewhere, and for Scroll
// Lock everywhere, a press of the key toggles the pane. The states are learnt from the first
// key event, so they show off until the user types.
class LockKeyPanes : public QObject {
public:
    enum class Lock { Caps, Num, Scroll };

    // Adds the three panes to the status bar.
    explicit LockKeyPanes(QStatusBar& statusBar);

    bool IsOn(Lock lock) const { return states_[Index(lock)]; }
    QLabel* Pane(Lock lock) const { return panes_[Index(lock)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static std::size_t Index(Lock lock) { return static_cast<std::size_t>(lock); }
    void Set(Lock lock, bool on);

    std::array<QLabel*, 3> panes_{};
    std::array<bool, 3> states_{};
    bool modifierMaskKnown_;
};

}  // namespace tapwright::gui
