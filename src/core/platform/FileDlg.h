#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tapwright {

// One entry of a file dialog's type list: what the user reads and the name pattern it stands
// for ("PlotFiles (*.plt)" and "*.plt"). A pattern may hold several globs separated by ";".
struct FileFilter {
    std::string description;
    std::string pattern;
    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

enum class FileDlgMode { Open, Save };

// The record of the desktop's file-open and file-save dialogs. The caller fills it, runs it
// through Ui().Run and, on OK, reads the chosen path.
class CFileDlg {
public:
    explicit CFileDlg(FileDlgMode mode) : mode(mode) {}

    FileDlgMode mode;
    std::string title;                // empty: the desktop's own caption ("Open", "Save As")
    std::vector<FileFilter> filters;  // empty: every file
    int filterIndex = 0;              // the filter shown first; on OK the one in use
    std::string initialDirectory;     // empty: the current directory
    std::string fileName;             // the name proposed in the name field
    std::string defaultExtension;     // added to a typed name without one; empty: none
    bool hideReadOnly = true;         // no "open as read-only" choice
    bool promptOverwrite = false;     // Save: ask before an existing file is replaced
    bool fileMustExist = false;       // Open: only an existing file is accepted

    std::string chosenPath;  // on OK: the full path the user chose

    // Splits a filter list written as "description|pattern|description|pattern||" into its
    // pairs. Blanks around the parts are dropped; the list ends at the first empty part.
    static std::vector<FileFilter> ParseFilters(std::string_view text);
};

}  // namespace tapwright
