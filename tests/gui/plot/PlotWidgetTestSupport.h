#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QPoint>
#include <QWidget>

#include "data/FreqUnits.h"
#include "design/FirData.h"
#include "gui/platform/QtClipboard.h"
#include "support/FakeUserInterface.h"

namespace tapwright::test {

// The scripted user interface with the desktop's own clipboard, for tests that look at what
// other programs would be offered.
class DesktopClipboardUi : public FakeUserInterface {
public:
    Clipboard& GetClipboard() override { return clipboard_; }

private:
    gui::QtClipboard clipboard_;
};

// A lowpass designed from its specification at 48 kHz: 47 taps, passband to 4.8 kHz with
// 0.1 dB ripple, stopband from 7.2 kHz with 40 dB attenuation, both entered in dB.
inline void DesignLowpass(CFirData& filter) {
    filter.SetSpecification(ResponseType::Filter, 47, 16);
    filter.AddBand(0.0, 0.1, 1.0, 0.1, false, true, false);
    filter.AddBand(0.15, 0.5, 0.0, 40.0, false, true, false);
    filter.Design("");
    filter.SetDesigned(true);
    filter.SetFrequencyUnits(CFreqUnits(48.0, 1));
    filter.SetName("FIR Frequency Response");
}

// Sends the widget a mouse event as the window system delivers it.
inline void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

inline void PressLeft(QWidget& widget, QPoint at) {
    SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
}

inline void DragLeftTo(QWidget& widget, QPoint at) {
    SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
}

inline void ReleaseLeft(QWidget& widget, QPoint at) {
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

}  // namespace tapwright::test
