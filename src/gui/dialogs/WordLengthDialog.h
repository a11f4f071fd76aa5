#pragma once

#include "document/WordLengthDlg.h"
#include "gui/widgets/RecordDialog.h"

class QTableWidget;

namespace tapwright::gui {

// "Word Length": the table of taps against bits, one row chosen. OK keeps the chosen row in
// the record after the record's own check.
class WordLengthDialog final : public RecordDialog {
public:
    WordLengthDialog(CWordLengthDlg& record, QWidget* parent = nullptr);

private:
    bool StoreFields() override;

    CWordLengthDlg& record_;
    QTableWidget* table_;
};

}  // namespace tapwright::gui
