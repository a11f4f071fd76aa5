#pragma once

#include "fileio/TitlesDlg.h"
#include "gui/widgets/RecordDialog.h"

class QLineEdit;

namespace tapwright::gui {

// "Titles": the main, X and Y titles of a plot, or of a plot data file's options.
class TitlesDialog final : public RecordDialog {
public:
    TitlesDialog(CTitlesDlg& record, QWidget* parent = nullptr);

private:
    bool StoreFields() override;

    CTitlesDlg& record_;
    QLineEdit* main_;
    QLineEdit* x_;
    QLineEdit* y_;
};

}  // namespace tapwright::gui
