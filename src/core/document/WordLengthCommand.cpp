#include "document/WordLengthCommand.h"

#include <cstdio>
#include <string>
#include <vector>

#include "design/WordLength.h"
#include "document/FirDoc.h"
#include "document/WordLengthDlg.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

std::string OutcomeText(const WordLengthRow& row) {
    char text[128];
    std::snprintf(text, sizeof text, "Word length: %d taps, %d bits, design margin %.3f dB",
                  row.taps, row.bits.value_or(0), row.designMarginDb);
    return text;
}

}  // namespace

bool CanFindWordLength(const CFirDoc& document) {
    const CFirData& filter = document.Filter();
    return filter.IsDesigned() && filter.GetNumBands() > 0 && document.HasPoints();
}

bool FindWordLength(CFirDoc& document) {
    CFirData& filter = document.Filter();
    // A specification that cannot be designed says why once, not at every length.
    if (const auto refusal = filter.CheckSpecification()) {
        Ui().ShowMessage(*refusal, MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    const WordLengthOptions options;
    std::vector<WordLengthRow> rows;
    {
        const WaitCursor wait;
        rows = ComputeWordLengthTable(filter, options,
                                      [](const std::string& text) { Ui().ShowStatus(text); });
    }
    if (!AnyWordLengthFound(rows)) {
        Ui().ShowStatus("");
        Ui().ShowMessage(NoWordLengthMessage(options.maxBits), MessageButtons::Ok,
                         MessageIcon::Exclamation);
        return false;
    }
    CWordLengthDlg dialog(std::move(rows));
    if (!Ui().Run(dialog) || !ApplyWordLengthRow(filter, dialog.ChosenRow())) {
        Ui().ShowStatus("");
        return false;
    }
    document.Dialogs().quantize.bits = *dialog.ChosenRow().bits;
    document.SetModifiedFlag();
    document.UpdateAllViews(nullptr, hint::kAnything, nullptr);
    Ui().ShowStatus(OutcomeText(dialog.ChosenRow()));
    return true;
}

}  // namespace tapwright
