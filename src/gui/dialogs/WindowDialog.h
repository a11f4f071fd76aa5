#pragma once

#include "document/WindowDlg.h"
#include "gui/widgets/RecordDialog.h"

class QButtonGroup;

namespace tapwright::gui {

class FloatField;

// "Window Filter Coefficients": one button per window type and the Kaiser-Bessel alpha. The
// dialog edits a copy of the record and hands it back only on an OK that the record accepts.
class WindowDialog final : public RecordDialog {
public:
    WindowDialog(CWindowDlg& record, QWidget* parent = nullptr);

private:
    void OnAlphaFocus();
    bool StoreFields() override;

    CWindowDlg& record_;
    CWindowDlg edited_;
    QButtonGroup* types_;
    FloatField* alpha_;
};

}  // namespace tapwright::gui
