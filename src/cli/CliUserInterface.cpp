#include "cli/CliUserInterface.h"

#include <algorithm>
#include <ostream>
#include <string_view>

#include "document/DataFilesDlg.h"
#include "fileio/FileAccess.h"
#include "fileio/WaveFormatDlg.h"

namespace tapwright::cli {

namespace {

MessageResult YesAnswer(MessageButtons buttons) {
    return buttons == MessageButtons::OkCancel ? MessageResult::Ok : MessageResult::Yes;
}

const char* AnswerText(MessageResult answer) {
    switch (answer) {
        case MessageResult::Ok:
            return "OK";
        case MessageResult::Cancel:
            return "Cancel";
        case MessageResult::Yes:
            return "Yes";
        case MessageResult::No:
            break;
    }
    return "No";
}

}  // namespace

CliUserInterface::CliUserInterface(std::ostream& err, bool assumeYes, bool verbose)
    : err_(err), assumeYes_(assumeYes), verbose_(verbose) {}

const char* CliUserInterface::PrefixOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Stop:
            return "error: ";
        case MessageIcon::Exclamation:
            return "warning: ";
        case MessageIcon::None:
        case MessageIcon::Information:
        case MessageIcon::Question:
            break;
    }
    return "note: ";
}

void CliUserInterface::Write(MessageIcon icon, const std::string& text) {
    // Many of the core's error texts begin with their own "Error: ", which the prefix says.
    constexpr std::string_view kOwnPrefix = "Error: ";
    const bool ownPrefix = icon == MessageIcon::Stop && text.starts_with(kOwnPrefix);
    err_ << PrefixOf(icon) << (ownPrefix ? text.substr(kOwnPrefix.size()) : text);
    if (text.empty() || text.back() != '\n') {
        err_ << '\n';
    }
    err_.flush();
}

MessageResult CliUserInterface::ShowMessage(const std::string& text, MessageButtons buttons,
                                            MessageIcon icon, const std::string& /*caption*/) {
    if (warnings_.contains(text)) {
        icon = MessageIcon::Exclamation;
    }
    if (buttons == MessageButtons::Ok) {
        Write(icon, text);
        return MessageResult::Ok;
    }
    const MessageResult answer = assumeYes_ ? YesAnswer(buttons) : DefaultAnswer(buttons);
    Write(icon, text);
    Write(MessageIcon::None, std::string("answered ") + AnswerText(answer) +
                                 (assumeYes_ ? " (--yes)" : " (--yes answers Yes)"));
    return answer;
}

void CliUserInterface::NoteAnsweredYes(const std::string& question) {
    if (verbose_) {
        Write(MessageIcon::Question, question);
        Write(MessageIcon::None, "answered Yes");
    }
}

void CliUserInterface::NoteAnsweredNo(const std::string& question, const std::string& reason) {
    Write(MessageIcon::Question, question);
    Write(MessageIcon::None, "answered No: " + reason);
}

void CliUserInterface::ShowStatus(const std::string& text) {
    if (verbose_) {
        err_ << text << '\n';
        err_.flush();
    }
}

bool CliUserInterface::HasOptionsFor(const CDataFormat& format) const {
    const FormatTableRow* row = FindFormatRow(format.GetCode());
    switch (row != nullptr ? row->options : FormatOptions::None) {
        case FormatOptions::Wave:
            return formatOptions_.waveSizeIndex || formatOptions_.waveRateIndex;
        case FormatOptions::COutput:
            return formatOptions_.cName || formatOptions_.cType;
        case FormatOptions::TiAsm:
            return formatOptions_.asmName.has_value();
        case FormatOptions::None:
        case FormatOptions::Titles:
            break;
    }
    return false;
}

bool CliUserInterface::Run(CDataFilesDlg& dialog) {
    // The command line answers one dialog.
    if (!dataFiles_) {
        return false;
    }
    // Picks the file and its format as the user would in the dialog, then runs the format's
    // options dialog when the command line sets any option.
    const auto choose = [this](DataFileEntry& entry, const DataFileChoice& choice) {
        entry.path = choice.path;
        entry.title = FileTitleOf(choice.path);
        const auto& names = entry.formats.names;
        const auto found = std::find(names.begin(), names.end(), choice.format);
        if (found == names.end()) {
            ShowMessage("The format \"" + choice.format + "\" is not offered here.",
                        MessageButtons::Ok, MessageIcon::Stop, {});
            return false;
        }
        CDataFilesDlg::OnFormatChanged(entry, static_cast<std::int32_t>(found - names.begin()));
        return !HasOptionsFor(entry.format) || entry.format.ShowOptions();
    };
    bool accepted = choose(dialog.inphase, dataFiles_->inphase);
    if (dataFiles_->quadrature) {
        accepted = accepted && choose(dialog.quadrature, *dataFiles_->quadrature);
    } else {
        // A project remembers the files of its last import or export; only the files named
        // now may be read or written.
        dialog.quadrature.path.clear();
        dialog.quadrature.title.clear();
    }
    dialog.isComplex = dataFiles_->isComplex && dialog.IsComplexEnabled();
    dataFiles_.reset();
    // OK runs the import or export; where a user would correct the entries after an error,
    // the error is the command's failure, and the dialog is closed.
    return accepted && dialog.Attempt();
}

bool CliUserInterface::Run(CWaveFormatDlg& dialog) {
    dialog.sizeIndex = formatOptions_.waveSizeIndex.value_or(dialog.sizeIndex);
    dialog.rateIndex = formatOptions_.waveRateIndex.value_or(dialog.rateIndex);
    return true;
}

bool CliUserInterface::Run(CCOptionsDlg& dialog) {
    dialog.varName = formatOptions_.cName.value_or(dialog.varName);
    dialog.varType = formatOptions_.cType.value_or(dialog.varType);
    return true;
}

bool CliUserInterface::Run(CAsmOptionsDlg& dialog) {
    dialog.name = formatOptions_.asmName.value_or(dialog.name);
    // The dialog's own OK check; a refused name cancels, since nobody is there to fix it.
    return dialog.OnOK();
}

}  // namespace tapwright::cli
