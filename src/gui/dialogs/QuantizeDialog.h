#pragma once

#include "document/QuantizeDlg.h"
#include "gui/widgets/RecordDialog.h"

namespace tapwright::gui {

class IntegerField;

// "Quantize to How Many Bits?": the title asks the question, one field answers it, and a
// note below says what the bit count does to each value.
class QuantizeDialog final : public RecordDialog {
public:
    static constexpr const char* kWordExplanation =
        "Each value x becomes k/2^(bits-1): k is x \u00d7 2^(bits-1) rounded to\n"
        "the nearest integer and kept within -2^(bits-1) to 2^(bits-1)-1.\n"
        "With 16 bits, 0.5 becomes 16384/32768 and 1.0 becomes 32767/32768.";

    QuantizeDialog(CQuantizeDlg& record, QWidget* parent = nullptr);

private:
    bool StoreFields() override;

    CQuantizeDlg& record_;
    IntegerField* bits_;
};

}  // namespace tapwright::gui
