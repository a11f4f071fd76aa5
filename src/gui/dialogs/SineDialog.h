#pragma once

#include "document/SineDlg.h"
#include "gui/widgets/RecordDialog.h"

class QButtonGroup;

namespace tapwright::gui {

class FloatField;
class IntegerField;

// "Sine Generator": the number of coefficients, and the sine given by its frequency or by
// its number of cycles; moving into either field selects its way.
class SineDialog final : public RecordDialog {
public:
    SineDialog(CSineDlg& record, QWidget* parent = nullptr);

private:
    void ShowMode();
    bool StoreFields() override;

    CSineDlg& record_;
    CSineDlg edited_;
    QButtonGroup* modes_;
    IntegerField* count_;
    FloatField* frequency_;
    FloatField* cycles_;
};

}  // namespace tapwright::gui
