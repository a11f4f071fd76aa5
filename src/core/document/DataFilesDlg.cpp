#include "document/DataFilesDlg.h"

#include <algorithm>

#include "design/LumenData.h"
#include "fileio/FileAccess.h"
#include "fileio/ReadReport.h"
#include "platform/Archive.h"
#include "platform/FileDlg.h"
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

constexpr const char* kWhiteSpace = " \t\r\n\v\f";

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

void ShowError(const std::string& text) {
    Ui().ShowMessage(text, MessageButtons::Ok, MessageIcon::Stop);
}

void PrepareFile(DataFileEntry& file, FormatDirection direction, const std::string& documentTitle) {
    file.formats = file.format.FillFormatList(direction);
    file.format.SetDefaultNames(documentTitle);
}

// Makes the typed name the file's path, and keeps only the file's own name in the edit, so
// that a directory typed with it is joined once and not again on the next use.
void TakeTitle(DataFileEntry& file, const std::string& typed) {
    file.path = JoinedPath(file.path, typed);
    file.title = typed.empty() ? std::string() : FileTitleOf(file.path);
}

bool HasPoints(const std::optional<FileValues>& values) {
    return values && !values->first.empty();
}

}  // namespace

void CDataFilesDlg::Open(bool forReading, bool isRealData, std::string dialogCaption,
                         const std::string& documentTitle) {
    reading = forReading;
    dataIsReal = isRealData;
    caption = std::move(dialogCaption);
    const FormatDirection direction = reading ? FormatDirection::Read : FormatDirection::Write;
    PrepareFile(inphase, direction, documentTitle);
    PrepareFile(quadrature, direction, documentTitle);
}

void CDataFilesDlg::OnFormatChanged(DataFileEntry& file, std::int32_t selected) {
    if (selected < 0 || selected >= static_cast<std::int32_t>(file.formats.names.size())) {
        return;
    }
    file.formats.selected = selected;
    file.format.SelectFormat(file.formats.names[static_cast<std::size_t>(selected)]);
}

void CDataFilesDlg::OnBrowse(DataFileEntry& file) const {
    CFileDlg dialog(reading ? FileDlgMode::Open : FileDlgMode::Save);
    // The edit may hold a path of its own; the file dialog starts where it leads.
    const std::string typed = JoinedPath(file.path, file.title);
    const std::string directory = DirectoryOf(typed);
    if (!directory.empty()) {
        if (DirectoryExists(directory)) {
            dialog.initialDirectory = directory;
        } else {
            ShowError("Cannot change to " + directory + ".");
        }
    }
    dialog.fileName = FileTitleOf(typed);
    dialog.filters = CFileDlg::ParseFilters(kFileFilters);
    dialog.hideReadOnly = true;
    dialog.promptOverwrite = !reading;
    if (Ui().Run(dialog) && !dialog.chosenPath.empty()) {
        file.path = dialog.chosenPath;
        file.title = FileTitleOf(file.path);
    }
}

void CDataFilesDlg::OnOK() {
    for (DataFileEntry* file : {&inphase, &quadrature}) {
        OnFormatChanged(*file, file->formats.selected);
        TakeTitle(*file, Trimmed(file->title));
    }
}

bool CDataFilesDlg::RunDialog(bool forReading, const CLumenData& data,
                              const std::string& dialogCaption, const std::string& documentTitle,
                              const std::function<bool(CDataFilesDlg&)>& tryEntries) {
    CDataFilesDlg edited = *this;
    edited.Open(forReading, data.IsReal(), dialogCaption, documentTitle);
    edited.attempt = [this, &tryEntries](const CDataFilesDlg& entries) {
        CDataFilesDlg tried = entries;
        tried.attempt = nullptr;
        tried.OnOK();
        const bool done = tryEntries(tried);
        lastWrite_ = tried.lastWrite_;
        if (done) {
            *this = std::move(tried);
        }
        return done;
    };
    return Ui().Run(edited);
}

void CDataFilesDlg::TrimTitles() {
    for (DataFileEntry* file : {&inphase, &quadrature}) {
        const std::string title = Trimmed(file->title);
        if (title != file->title) {
            // The path must name the file the user means, not one with blanks around it.
            TakeTitle(*file, title);
        }
    }
}

int CDataFilesDlg::Import(CLumenData& data, const std::string& documentTitle,
                          const std::string& dialogCaption, bool prompt) {
    if (!prompt) {
        return ReadFiles(data);
    }
    const bool read =
        RunDialog(true, data, dialogCaption, documentTitle,
                  [&data](CDataFilesDlg& entries) { return entries.ReadFiles(data) != 0; });
    return read ? 1 : 0;
}

int CDataFilesDlg::ReadFiles(CLumenData& data) {
    TrimTitles();
    if (inphase.title.empty() && quadrature.title.empty()) {
        ShowError(kNoInputMessage);
        return 0;
    }
    for (const DataFileEntry* file : {&inphase, &quadrature}) {
        const std::string path = data.CompletePath(file->path);
        if (file->title.empty()) {
            continue;
        }
        // Refused before it is opened: a named pipe would keep the program waiting.
        if (const auto special = SpecialFileReason(path)) {
            ShowError("Cannot open file \"" + path + "\".\n" + *special + ".");
            return 0;
        }
        if (!CanOpenForReading(path)) {
            ShowError("File \"" + path + "\" does not exist or is in use by another process.");
            return 0;
        }
    }

    // Everything is read before the data changes, so a failed import leaves it as it was.
    std::optional<FileValues> first;
    std::optional<FileValues> second;
    {
        WaitCursor wait;
        if (isComplex) {
            first = data.ReadValues(inphase.format, inphase.path, true);
        } else {
            const bool readFirst = !inphase.title.empty();
            if (readFirst) {
                first = data.ReadValues(inphase.format, inphase.path, false);
            }
            if (!quadrature.title.empty() && (!readFirst || HasPoints(first))) {
                second = data.ReadValues(quadrature.format, quadrature.path, false);
            }
        }
    }
    const std::string notes =
        DescribeReads({first ? &first->report : nullptr, second ? &second->report : nullptr});
    if (!HasPoints(first) && !HasPoints(second)) {
        ShowError(notes.empty() ? std::string(kNoDataMessage) : kNoDataMessage + ("\n\n" + notes));
        return 0;
    }
    // A Quadrature file that was named but could not be read fails the import: a project
    // without the channel the user asked for is not what was imported.
    if (!isComplex && !quadrature.title.empty() && HasPoints(first) && !HasPoints(second)) {
        if (second) {
            ShowError(kNoDataMessage + ("\n\n" + second->report.Describe()));
        }
        return 0;
    }
    if (!notes.empty()) {
        Ui().ShowMessage(notes, MessageButtons::Ok, MessageIcon::Exclamation);
    }
    const bool firstHasPoints = HasPoints(first);
    data.Reset();
    if (first) {
        data.StoreValues(std::move(*first), 0, 1);
    }
    if (second) {
        data.StoreValues(std::move(*second), 1, -1);
    }
    data.EqualizeChannels(0.0);
    data.GetFormat() = firstHasPoints ? inphase.format : quadrature.format;
    return 1;
}

int CDataFilesDlg::Export(CLumenData& data, const std::string& documentTitle,
                          const std::string& dialogCaption, bool prompt) {
    if (!prompt) {
        return WriteFiles(data);
    }
    const bool written =
        RunDialog(false, data, dialogCaption, documentTitle,
                  [&data](CDataFilesDlg& entries) { return entries.WriteFiles(data) != 0; });
    return written ? 1 : 0;
}

int CDataFilesDlg::WriteFiles(CLumenData& data) {
    lastWrite_ = WriteOutcome::Refused;
    if (inphase.path.empty() && quadrature.path.empty()) {
        Ui().ShowMessage(kNoOutputMessage, MessageButtons::Ok, MessageIcon::Question);
        return 0;
    }
    // A named file without a format would be written empty.
    for (const DataFileEntry* file : {&inphase, &quadrature}) {
        const FormatTableRow* row = FindFormatRow(file->format.GetCode());
        if (!file->title.empty() && (row == nullptr || !row->Offers(FormatDirection::Write))) {
            ShowError("No format was chosen for \"" + file->title + "\".\n" + kChooseFormatHint);
            return 0;
        }
    }
    WaitCursor wait;
    // A file that failed says why the export failed; one written makes it a success.
    const auto write = [this, &data](DataFileEntry& file, std::int32_t column,
                                     std::int32_t secondColumn) {
        if (file.path.empty()) {
            return false;
        }
        const WriteOutcome outcome = data.Write(file.format, file.path, column, secondColumn);
        if (outcome == WriteOutcome::FileError) {
            lastWrite_ = outcome;
        }
        return outcome == WriteOutcome::Written;
    };
    const bool firstWritten = write(inphase, 0, isComplex ? 1 : -1);
    const bool secondWritten = write(quadrature, 1, -1);
    if (!firstWritten && !secondWritten) {
        return 0;
    }
    lastWrite_ = WriteOutcome::Written;
    data.GetFormat() = firstWritten ? inphase.format : quadrature.format;
    Ui().ShowStatus(WrittenStatus(data, firstWritten, secondWritten));
    return 1;
}

std::string CDataFilesDlg::WrittenStatus(const CLumenData& data, bool firstWritten,
                                         bool secondWritten) const {
    const std::int32_t points = std::max(0, std::min(data.GetNumPoints(), data.GetMaxPoints()));
    std::string files;
    if (firstWritten) {
        files = FileTitleOf(data.CompletePath(inphase.path));
    }
    if (secondWritten) {
        files += (files.empty() ? "" : " and ") + FileTitleOf(data.CompletePath(quadrature.path));
    }
    return "Wrote " + std::to_string(points) + (firstWritten && isComplex ? " complex" : "") +
           (points == 1 ? " coefficient" : " coefficients") + " to " + files + ".";
}

void CDataFilesDlg::Serialize(ArchiveWriter& archive) const {
    archive.WriteText(inphase.path);
    archive.WriteText(quadrature.path);
    inphase.format.Serialize(archive);
    quadrature.format.Serialize(archive);
}

void CDataFilesDlg::Serialize(ArchiveReader& archive, int version) {
    DataFileEntry first = inphase;
    DataFileEntry second = quadrature;
    first.path = archive.ReadText();
    second.path = archive.ReadText();
    first.format.Serialize(archive, version);
    second.format.Serialize(archive, version);
    for (DataFileEntry* file : {&first, &second}) {
        file->title = FileTitleOf(file->path);
    }
    inphase = std::move(first);
    quadrature = std::move(second);
}

}  // namespace tapwright
