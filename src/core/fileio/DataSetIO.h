#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/DataSet.h"
#include "fileio/DataFormat.h"
#include "fileio/ReadReport.h"

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;

// The values a coefficient file gave: the first column, and the second when two were read.
struct FileValues {
    std::vector<double> first;
    std::vector<double> second;
    bool twoColumns = false;
    // What the read passed over, changed or left unread.
    ReadReport report;
};

// Why values cannot be written to any coefficient file: the first that is not a number or is
// infinite, with its channel and index. Nothing when every value is finite. second is empty
// for a one-channel write.
std::optional<std::string> NonFiniteMessage(std::span<const double> first,
                                            std::span<const double> second);

// How writing a data set to a file ended.
enum class WriteOutcome { Written, Refused, FileError };

// The data set that can be imported from and exported to coefficient files.
class CDataSetIO : public CDataSet {
public:
    static constexpr const char* kOneChannelMessage =
        "File contains only one channel: quadrature data will not be read.";
    static constexpr const char* kNotTextMessage = "\" is not a text file: it holds NUL bytes.";
    static constexpr const char* kNotBinaryDigitsMessage =
        "\" holds no line of binary digits only: it is not a \"Text:Binary\" file.";
    static constexpr const char* kOverflowQuestion =
        "The data that was read will overflow the write data format.  Write anyway?";

    using CDataSet::Serialize;

    // The set's part of a project record: the data set, its format record, the base path and
    // the open-error message flag. version is the project file's version, which decides which
    // fields an older file lacks. Derived sets append their own fields. Reading changes
    // nothing unless the whole part could be read.
    virtual void Serialize(ArchiveWriter& archive, int version) const;
    virtual void Serialize(ArchiveReader& archive, int version);

    // The largest number of samples read from or written to a coefficient file.
    virtual std::int32_t GetMaxPoints() const { return std::numeric_limits<std::int32_t>::max(); }

    // ---- Reading ------------------------------------------------------------------------

    // Reads column (and secondColumn, unless it is -1) from the file. Nonzero when the first
    // column now holds at least one point. A read that yields no point, or a file that cannot
    // be read, leaves the set unchanged. A read that stopped early or passed over or changed
    // values says so in one warning.
    int ReadFile(CDataFormat& format, const std::string& path, std::int32_t column,
                 std::int32_t secondColumn = -1);

    // The same for a file already in memory; name is the file's name in messages.
    int ReadBytes(CDataFormat& format, std::string_view bytes, const std::string& name,
                  std::int32_t column, std::int32_t secondColumn = -1);

    // The values a file holds, without storing them, with the report of the read (which the
    // caller shows): nothing when the file cannot be opened (reported only when the
    // open-error message flag is set), is not of the format at all or has no valid header.
    // A WAVE file too long to read whole is read from its start.
    std::optional<FileValues> ReadValues(CDataFormat& format, const std::string& path,
                                         bool twoColumns) const;

    // Replaces column (and secondColumn, when the values hold two columns) with the values.
    void StoreValues(FileValues values, std::int32_t column, std::int32_t secondColumn);

    // ---- Writing ------------------------------------------------------------------------

    // Writes column (and secondColumn, unless it is -1) to the file. Written also when the
    // path is empty (nothing to do); otherwise an existing file is left as it was, and the
    // outcome says whether the data was refused before the file was touched (a column
    // missing, a value that is not finite, the overflow question answered No) or the file
    // could not be opened or written. Every failure has been shown.
    WriteOutcome Write(CDataFormat& format, const std::string& path, std::int32_t column,
                       std::int32_t secondColumn = -1) const;
    // The same as 1 when written, 0 otherwise.
    int WriteFile(CDataFormat& format, const std::string& path, std::int32_t column,
                  std::int32_t secondColumn = -1) const {
        return Write(format, path, column, secondColumn) == WriteOutcome::Written ? 1 : 0;
    }

    // The bytes of such a file; nothing when a column does not exist, a value is not finite
    // (with a message naming the first) or the user declines the overflow question.
    std::optional<std::string> WriteBytes(CDataFormat& format, std::int32_t column,
                                          std::int32_t secondColumn = -1) const;

    // ---- Clipboard ----------------------------------------------------------------------

    // Puts rows firstRow to lastRow of columns firstColumn to lastColumn on the clipboard as
    // text, one line per row; nothing happens for a range outside the set.
    void CopyToClipboard(std::int32_t firstColumn, std::int32_t lastColumn, std::int32_t firstRow,
                         std::int32_t lastRow) const;

    // ---- Fields -------------------------------------------------------------------------

    // A file name that begins with "." is completed with the base path: the base path
    // without the extension of its file name, followed by the given name.
    std::string CompletePath(const std::string& path) const;

    // The format of the last import or export, kept with the project.
    CDataFormat& GetFormat() { return format_; }
    const CDataFormat& GetFormat() const { return format_; }

    const std::string& GetBasePath() const { return basePath_; }
    void SetBasePath(std::string basePath) { basePath_ = std::move(basePath); }

    // When nonzero, ReadFile itself reports a file it cannot open.
    std::int32_t GetOpenErrorMessage() const { return openErrorMessage_; }
    void SetOpenErrorMessage(std::int32_t flag) { openErrorMessage_ = flag; }

private:
    std::optional<FileValues> ParseValues(CDataFormat& format, std::string_view bytes,
                                          const std::string& name, bool twoColumns) const;
    bool HasColumn(std::int32_t column) const { return column >= 0 && column < GetNumColumns(); }
    // Whether column exists, and secondColumn too unless it is -1.
    bool HasColumns(std::int32_t column, std::int32_t secondColumn) const {
        return HasColumn(column) && (secondColumn == -1 || HasColumn(secondColumn));
    }
    int StoreIfAny(std::optional<FileValues> values, std::int32_t column,
                   std::int32_t secondColumn);

    CDataFormat format_;
    std::string basePath_;
    std::int32_t openErrorMessage_ = 0;
};

}  // namespace tapwright
