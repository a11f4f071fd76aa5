#pragma once

#include <QWidget>

#include <functional>
#include <vector>

#include "editors/FirView.h"
#include "gui/editors/FormFields.h"

class QPushButton;

namespace tapwright::gui {

// The common part of the two specification forms: the form is the editor's window on its
// fields. It copies between its widgets and the editor when the editor asks, hands every
// click to the editor, and shows the "FS" caption the editor keeps. It computes nothing of
// its own.
//
// The window that holds the form destroys the editor right after the form, so the form does
// not detach itself: detaching makes the editor exchange its fields once more, with a
// filter that may already be gone.
class SpecificationForm : public QWidget, public EditorForm {
public:    SpecificationForm(const SpecificationForm&) = delete;
    SpecificationForm& operator=(const SpecificationForm&) = delete;

    QPushButton* FsButton() const { return fsButton_; }

protected:
    SpecificationForm(CFirView& view, QWidget* parent);

    // Attaches the form to the editor, which fills it at once; called when every widget
    // exists.
    void Bind();

    // A button whose clicks go to the editor once every number field holds a number.
    QPushButton* AddClickButton(const QString& text, std::function<void()> click);
    // Hands a click to the editor once every number field holds a number; false when a
    // field was refused and the editor heard nothing.
    bool Forward(const std::function<void()>& click);
    NumberFieldChecks& Checks() { return checks_; }
    // Tab moves through the widgets in the order they stand on the form: these, then the
    // click buttons in the order they were made.
    void SetTabOrder(std::vector<QWidget*> widgets) const;

    void ShowFsCaption();

private:
    CFirView& view_;
    NumberFieldChecks checks_;
    QPushButton* fsButton_;
    std::vector<QPushButton*> clickButtons_;
};

}  // namespace tapwright::gui
