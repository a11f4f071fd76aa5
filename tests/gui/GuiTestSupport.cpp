#include "gui/GuiTestSupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>

namespace tapwright::test {

namespace {

constexpr int kPollMilliseconds = 10;
constexpr const char* kSeenProperty = "modalScriptSeen";

}  // namespace

ModalScript::ModalScript() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(kPollMilliseconds);
}

ModalScript::~ModalScript() {
    EXPECT_TRUE(steps_.empty()) << steps_.size() << " modal window(s) never opened";
}

void ModalScript::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    // A window that was handled is marked, since the next one may live at its address.
    if (modal == nullptr || steps_.empty() || !modal->isVisible() ||
        modal->property(kSeenProperty).toBool()) {
        return;
    }
    modal->setProperty(kSeenProperty, true);
    ++seen_;
    const Step step = std::move(steps_.front());
    steps_.pop_front();
    step(*modal);
}

void PressButton(QWidget& window, const QString& text) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->text().remove('&') == text) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
}

QRect InkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != Qt::white) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

}  // namespace tapwright::test
