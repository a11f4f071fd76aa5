#pragma once

class QMenu;
class QPrinter;

namespace tapwright::gui {

enum class EditAction { Cut, Copy, Paste };

// What the widget inside a project window offers the commands that every window shares:
// the tool bar's Cut, Copy and Paste, printing, the menu of its own that the window kind
// adds to the menu bar, and whether the window takes the size of its content (the
// specification forms). A window kind without a command leaves it off.
class FrameContent {
public:
    virtual ~FrameContent() = default;

    virtual bool CanEdit(EditAction /*action*/) const { return false; }
    virtual void Edit(EditAction /*action*/) {}

    virtual bool CanPrint() const { return false; }
    virtual void Print(QPrinter& /*printer*/) {}
    virtual void PrintPreview(QPrinter& /*printer*/) {}

    // The menu that stands after "Fi&lter" in the window's menu bar (a plot's "&Plot", the
    // text editor's "&Editor"), owned by the content; null for none.
    virtual QMenu* KindMenu() { return nullptr; }

    // Whether the frame is sized to fit the content each time it is activated; such content
    // scrolls in a frame made smaller than it.
    virtual bool FitsFrame() const { return false; }
};

}  // namespace tapwright::gui
