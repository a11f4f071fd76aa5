#pragma once

#include <QDialog>
#include <QLineEdit>

#include <functional>
#include <optional>
#include <string>

class QButtonGroup;
class QLabel;
class QLayout;
class QRadioButton;
class QWidget;

namespace tapwright::gui {

// An edit field for a float of a dialog record. It shows the shortest text that reads back as
// the same float, so a value the user leaves alone is kept exactly, and it refuses numbers a
// float cannot hold: the records store their floats in project files, which only accept
// finite values.
class FloatField : public QLineEdit {
public:
    explicit FloatField(QWidget* parent = nullptr);

    void SetValue(float value);
    std::optional<float> Value() const;
};

// Reads the field into a record member on OK; text that is no usable number is reported, the
// field gets the focus with its text selected, and the member keeps its value (false).
bool ReadField(FloatField& field, float& value);

// The text of an edit for its record member. An edit the user left showing the member keeps
// the member's bytes, even when they were not UTF-8 (names read from older files).
std::string EditedText(const QLineEdit& edit, const std::string& original);

// Runs action whenever widget receives the input focus: the records select a mode when the
// user moves into the field that belongs to it.
void CallOnFocus(QWidget& widget, std::function<void()> action);

// The unit shown beside a field (named "unit", so that tests find it).
QLabel* UnitLabel(const std::string& unit);

// The content of a dialog made at least as wide as the window's title bar needs to show the
// title whole (the titles of the small dialogs are longer than their fields).
QLayout* WithRoomForTitle(const QDialog& dialog, QLayout* content);

// A radio button of an exclusive group, identified in the group by the record's value for it.
QRadioButton* AddRadioButton(QButtonGroup& group, const char* caption, int id);

// Checks the button of the group that stands for id.
void CheckButton(QButtonGroup& group, int id);

// Starts the dialog on the checked button of a group, so that opening it moves the focus into
// no field whose focus changes the record.
void FocusCheckedButton(QButtonGroup& group);

// Shows the Qt dialog of a core record modally; true when it closed with OK, which has
// written the record.
template <class Dialog, class Record>
bool ShowModal(Record& record, QWidget* parent) {
    Dialog dialog(record, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace tapwright::gui
