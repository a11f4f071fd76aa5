#include "document/WordLengthDlg.h"

#include <algorithm>
#include <cstdio>

#include "numtext/NumString.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

std::string BitsText(const std::optional<std::int32_t>& bits) {
    return bits ? CNumString(*bits, 10, 0).Text() : "-";
}

}  // namespace

CWordLengthDlg::CWordLengthDlg(std::vector<WordLengthRow> rows) : rows_(std::move(rows)) {
    const auto found = std::find_if(rows_.begin(), rows_.end(),
                                    [](const WordLengthRow& row) { return row.bits.has_value(); });
    chosen = found == rows_.end() ? 0 : static_cast<std::int32_t>(found - rows_.begin());
}

std::array<std::string, 4> CWordLengthDlg::RowTexts(std::int32_t row) const {
    const WordLengthRow& shown = rows_[static_cast<std::size_t>(row)];
    std::string margin = "-";
    if (shown.bits) {
        char text[32];
        std::snprintf(text, sizeof text, "%.3f", shown.designMarginDb);
        margin = text;
    }
    return {CNumString(shown.taps, 10, 0).Text(), BitsText(shown.bitsRounding),
            BitsText(shown.bits), margin};
}

bool CWordLengthDlg::OnOK() const {
    if (chosen < 0 || chosen >= RowCount()) {
        Ui().ShowMessage("Choose a row of the table.", MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    if (!ChosenRow().bits) {
        Ui().ShowMessage("No word length meets the specification with " +
                             CNumString(ChosenRow().taps, 10, 0).Text() +
                             " taps.\nChoose another row.",
                         MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    return true;
}

}  // namespace tapwright
