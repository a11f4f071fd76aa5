#pragma once

#include "document/MinDbDlg.h"
#include "gui/widgets/RecordDialog.h"

namespace tapwright::gui {

class DoubleField;

// "Set Minimum Decibels": the floor of the response plots.
class MinDbDialog final : public RecordDialog {
public:
    MinDbDialog(CMinDbDlg& record, QWidget* parent = nullptr);

private:
    bool StoreFields() override;

    CMinDbDlg& record_;
    DoubleField* minDb_;
};

}  // namespace tapwright::gui
