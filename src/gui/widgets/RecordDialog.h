#pragma once

#include <QDialog>

class QLayout;

namespace tapwright::gui {

// A modal dialog bound to a core record: it fills its widgets from the record when it is
// made and writes them back on OK. A field that cannot be read keeps the dialog open. The
// record's own rules stay in the record; the dialog only moves values.
class RecordDialog : public QDialog {
public:
    void accept() override;

protected:
    RecordDialog(const QString& title, QWidget* parent);

    // Lays out the content above the OK and Cancel buttons, OK being the button that Return
    // presses wherever the focus is.
    void SetContent(QLayout* content);

    // Writes the widgets into the record; false when one could not be read.
    virtual bool StoreFields() = 0;
};

}  // namespace tapwright::gui
