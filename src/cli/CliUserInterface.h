#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <set>
#include <string>

#include "platform/UserInterface.h"

namespace tapwright {
class CDataFormat;
}

namespace tapwright::cli {

// One coefficient file as the command line names it: a path and a format name of the table.
struct DataFileChoice {
    std::string path;
    std::string format;
};

// What the "Data Files" dialog is filled with: the first (Inphase or complex) file, an
// optional Quadrature file, and whether the first file holds both channels.
struct DataFilesAnswer {
    DataFileChoice inphase;
    std::optional<DataFileChoice> quadrature;
    bool isComplex = false;
};

// The format options given on the command line; each one absent keeps the format's own.
struct FormatOptionsAnswer {
    std::optional<std::int32_t> waveSizeIndex;
    std::optional<std::int32_t> waveRateIndex;
    std::optional<std::string> cName;
    std::optional<std::string> cType;
    std::optional<std::string> asmName;
};

// The core's user interface without a window. Messages go to the error stream, prefixed by
// their icon ("error: ", "warning: ", "note: ") with their line breaks kept; questions are
// answered Yes or OK with assumeYes and No or Cancel without it; status texts are written
// only when verbose. The dialogs the core opens are answered from the command line: a
// dialog nobody answered is cancelled.
class CliUserInterface final : public UserInterface {
public:
    CliUserInterface(std::ostream& err, bool assumeYes, bool verbose);

    MessageResult ShowMessage(const std::string& text, MessageButtons buttons, MessageIcon icon,
                              const std::string& caption) override;
    void ShowStatus(const std::string& text) override;
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

    bool Run(CDataFilesDlg& dialog) override;
    bool Run(CWaveFormatDlg& dialog) override;
    bool Run(CCOptionsDlg& dialog) override;
    bool Run(CAsmOptionsDlg& dialog) override;

    // Tells, when verbose, that the command answered Yes itself to a question the desktop
    // program asks at this point, because its meaning is part of the command (the estimate
    // before a design without a tap count).
    void NoteAnsweredYes(const std::string& question);

    // Tells that the command answers No, whatever --yes says, to a question the desktop
    // program asks at this point, because a Yes would lead to a dialog the command line
    // answers through its options; the reason tells the user what to give instead.
    void NoteAnsweredNo(const std::string& question, const std::string& reason);

    // A message the core shows as an error that the command line reports as a warning,
    // because the command goes on and succeeds after it.
    void ShowAsWarning(std::string text) { warnings_.insert(std::move(text)); }

    void AnswerDataFiles(DataFilesAnswer answer) { dataFiles_ = std::move(answer); }
    void AnswerFormatOptions(FormatOptionsAnswer answer) { formatOptions_ = std::move(answer); }


private:
    static const char* PrefixOf(MessageIcon icon);
    void Write(MessageIcon icon, const std::string& text);
    // Whether the command line sets an option of the format's options dialog.
    bool HasOptionsFor(const CDataFormat& format) const;

    std::ostream& err_;
    bool assumeYes_;
    bool verbose_;
    std::set<std::string> warnings_;
    std::optional<DataFilesAnswer> dataFiles_;
    FormatOptionsAnswer formatOptions_;
};

}  // namespace tapwright::cli
