#pragma once

#include "data/QuantizeDlg.h"
#include "gui/widgets/RecordDialog.h"

namespace tapwright::gui {

class IntegerField;

// "Quantize to How Many Bits?": the title asks the question, one field answers it.
class QuantizeDialog final : public RecordDialog {
public:
    QuantizeDialog(CQuantizeDlg& record, QWidget* parent = nullptr);

private:
    bool StoreFields() override;

    CQuantizeDlg& record_;
    IntegerField* bits_;
};

}  // namespace tapwright::gui
