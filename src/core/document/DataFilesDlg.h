#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "fileio/DataFormat.h"
#include "fileio/DataSetIO.h"

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;
class CLumenData;

// One file of the "Data Files" dialog: the name shown in its edit, its full path, its format
// object and the format combo.
struct DataFileEntry {
    std::string title;
    std::string path;
    CDataFormat format;
    FormatList formats;
};

// The "Data Files" dialog through which coefficients are imported and exported: an
// Inphase-or-complex file and a Quadrature file, each with a name and a format, and whether
// the first file holds both channels. The document keeps one for both directions, so a
// second import offers the previous files.
class CDataFilesDlg {
public:
    static constexpr const char* kInphaseGroup = "Inphase or Complex File Name and  Format";
    static constexpr const char* kQuadratureGroup = "Quadrature  File Name and Format";
    static constexpr const char* kIsComplexCaption = "Is Complex";
    static constexpr const char* kFileFilters =
        "All Files (*.*)|*.*|Text Files (*.txt;*.hex)|*.txt;*.hex|Assembly Files "
        "(*.asm;*.dsp;*.pm)|*.asm;*.dsp;*.pm|Binary Files (*.bin;*.dat)|*.bin; *.dat|Wave Files "
        "(*.wav)|*.wav||";
    static constexpr const char* kNoInputMessage = "No input files were specified.";
    static constexpr const char* kNoOutputMessage = "No file names were specified.";
    static constexpr const char* kChooseFormatHint =
        "Choose the file's format in the list below its name.";
    static constexpr const char* kNoDataMessage =
        "The file(s) read are not formatted correctly, or contain no data.";

    DataFileEntry inphase;
    DataFileEntry quadrature;
    bool isComplex = false;
    bool reading = true;     // import (true) or export
    bool dataIsReal = true;  // the data's real flag when the dialog opened
    std::string caption;
    // What OK does while the dialog is still open: the import or export with the entries as
    // they stand. When it fails (the user has been told why) the dialog stays open, so that
    // the entries can be corrected. Set by the flows for the dialog they show; a dialog
    // without one closes on OK.
    std::function<bool(const CDataFilesDlg&)> attempt;

    // Whether OK may close the dialog.
    bool Attempt() const { return !attempt || attempt(*this); }

    // ---- The dialog's rules -------------------------------------------------------------

    // Prepares the dialog for showing: the caption, the reading or writing formats in each
    // combo with the format's code selected, and the default names of the source-code
    // options from the document title.
    void Open(bool forReading, bool isRealData, std::string dialogCaption,
              const std::string& documentTitle);

    // "Is Complex" can always be set for an import, and for an export of complex data.
    bool IsComplexEnabled() const { return reading || !dataIsReal; }
    static bool IsOptionsEnabled(const DataFileEntry& file) { return file.format.HasOptions(); }

    // A new selection in a file's format combo; the format object follows it at once, so
    // that "Options..." edits the options of the format chosen.
    static void OnFormatChanged(DataFileEntry& file, std::int32_t selected);
    static void OnOptions(DataFileEntry& file) { file.format.ShowOptions(); }

    // "Browse...": the file dialog, started in the directory of the file's full path (with a
    // message when that directory does not exist); OK takes the chosen path and its name.
    void OnBrowse(DataFileEntry& file) const;

    // OK: each format takes the combo's selection, and each edited name (white space around
    // it removed) becomes the full path: an absolute name as typed, a relative one joined to
    // the directory of the previous path. The edit then holds the file's own name.
    void OnOK();

    // The project's sampling frequency in Hz, which the WAVE options offer as a rate.
    void SetProjectRate(double rateHz) {
        inphase.format.SetProjectRate(rateHz);
        quadrature.format.SetProjectRate(rateHz);
    }

    // ---- The flows ----------------------------------------------------------------------

    // Reads the files into data. With prompt the reading is the dialog's OK (Cancel: 0), and
    // after an error the dialog stays open with the entries as typed. Nonzero when points
    // were read; otherwise the user has been told why and data is unchanged.
    int Import(CLumenData& data, const std::string& documentTitle, const std::string& caption,
               bool prompt);

    // Writes data to the files, through the dialog as Import does. A named file without a
    // format is refused. Nonzero when any file was written; the status line then says what
    // was written.
    int Export(CLumenData& data, const std::string& documentTitle, const std::string& caption,
               bool prompt);
    // How the last attempt of Export to write the files ended: written, or whether the data
    // was refused (by the user or the format) or a file could not be written. Refused before
    // any attempt.
    WriteOutcome LastWriteOutcome() const { return lastWrite_; }

    // ---- Project stream -----------------------------------------------------------------

    // The data-files record: the two full paths, then the two format records. Reading
    // derives the names from the paths and changes nothing unless the whole record could be
    // read.
    void Serialize(ArchiveWriter& archive) const;
    void Serialize(ArchiveReader& archive, int version);

private:
    // Runs the dialog on a copy. Its OK applies the entries to another copy and tries them;
    // the one that succeeds replaces this one, so that Cancel changes nothing.
    bool RunDialog(bool forReading, const CLumenData& data, const std::string& dialogCaption,
                   const std::string& documentTitle,
                   const std::function<bool(CDataFilesDlg&)>& tryEntries);

    // Removes white space around the names and makes the paths follow.
    void TrimTitles();

    // One attempt of the flows with the entries as they stand.
    int ReadFiles(CLumenData& data);
    int WriteFiles(CLumenData& data);
    std::string WrittenStatus(const CLumenData& data, bool firstWritten, bool secondWritten) const;

    WriteOutcome lastWrite_ = WriteOutcome::Refused;
};

}  // namespace tapwright
