#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <stdexcept>

namespace tapwright::test {

// The child of a dialog with this object name; fails the test when there is none.
template <class Widget>
Widget& Child(QWidget& parent, const char* name) {
    auto* child = parent.findChild<Widget*>(name);
    if (child == nullptr) {
        ADD_FAILURE() << "no child " << name;
        throw std::runtime_error(name);
    }
    return *child;
}

inline QLineEdit& Edit(QWidget& parent, const char* name) {
    return Child<QLineEdit>(parent, name);
}

// The button whose caption is exactly text (blanks included).
inline QAbstractButton& Button(QWidget& parent, const QString& text) {
    for (QAbstractButton* button : parent.findChildren<QAbstractButton*>()) {
        if (button->text() == text) {
            return *button;
        }
    }
    ADD_FAILURE() << "no button \"" << text.toStdString() << "\"";
    throw std::runtime_error(text.toStdString());
}

// Shows the dialog as the active window, so that focus changes reach its fields as they do
// when the user tabs or clicks into them.
inline void ShowActive(QWidget& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

// Moves the input focus into a field the way a click does.
inline void FocusInto(QWidget& field) {
    field.setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(field.hasFocus());
}

}  // namespace tapwright::test
