#pragma once

#include <QImage>
#include <QRect>
#include <QTimer>

#include <deque>
#include <functional>

class QWidget;

namespace tapwright::test {

// Plays the user's part in modal windows: each step runs on the next modal window that
// opens (a dialog, a message box) and should close it. A step that never gets its window
// fails the test.
class ModalScript {
public:
    using Step = std::function<void(QWidget& modal)>;

    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    void Then(Step step) { steps_.push_back(std::move(step)); }
    int WindowsSeen() const { return seen_; }

private:
    void Poll();

    std::deque<Step> steps_;
    QTimer timer_;
    int seen_ = 0;
};

// Presses the button of a message box or dialog whose text is `text` (mnemonics ignored).
void PressButton(QWidget& window, const QString& text);

// The smallest rectangle around the pixels that are not white; empty for a white image.
QRect InkBounds(const QImage& image);

}  // namespace tapwright::test
