#include "fileio/DataSetIO.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <span>

#include "fileio/ByteCursor.h"
#include "fileio/FileAccess.h"
#include "fileio/TextNumbers.h"
#include "fileio/ValueReader.h"
#include "platform/Archive.h"
#include "platform/Clipboard.h"
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

constexpr int kClipboardWidth = 12;
constexpr int kClipboardPrecision = 9;

void ShowError(const std::string& text) {
    Ui().ShowMessage(text, MessageButtons::Ok, MessageIcon::Stop);
}

std::vector<double> FirstValues(const CDataColumn& column, std::int32_t points) {
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(points));
    for (std::int32_t i = 0; i < points; ++i) {
        values.push_back(column.GetAt(i));
    }
    return values;
}

CDataColumn ColumnOf(const std::vector<double>& values) {
    CDataColumn column;
    for (const double value : values) {
        column.Add(value);
    }
    return column;
}

// The first value that is not a number or infinite, named for the user; nothing when all are
// finite.
std::optional<std::string> FirstNonFinite(std::span<const double> values, const char* channel) {
    const auto found =
        std::find_if(values.begin(), values.end(), [](double v) { return !std::isfinite(v); });
    if (found == values.end()) {
        return std::nullopt;
    }
    const double value = *found;
    const char* what = std::isnan(value) ? "not a number" : (value > 0 ? "+infinity" : "-infinity");
    return std::string(channel) + "coefficient " +
           std::to_string(static_cast<std::size_t>(found - values.begin())) + " is " + what;
}

}  // namespace

std::optional<std::string> NonFiniteMessage(std::span<const double> first,
                                            std::span<const double> second) {
    auto found = FirstNonFinite(first, second.empty() ? "" : "Inphase ");
    if (!found) {
        found = FirstNonFinite(second, "Quadrature ");
    }
    if (!found) {
        return std::nullopt;
    }
    return "Nothing was written: " + *found +
           " (counting from 0).\nOnly finite numbers can be written to a coefficient file.";
}

void CDataSetIO::Serialize(ArchiveWriter& archive, int /*version*/) const {
    CDataSet::Serialize(archive);
    format_.Serialize(archive);
    archive.WriteText(basePath_);
    archive.WriteI32(openErrorMessage_);
}

void CDataSetIO::Serialize(ArchiveReader& archive, int version) {
    CDataSet set;
    set.Serialize(archive);
    CDataFormat format = format_;
    format.Serialize(archive, version);
    std::string basePath = archive.ReadText();
    const std::int32_t openErrorMessage = archive.ReadI32();

    CDataSet::operator=(std::move(set));
    format_ = std::move(format);
    basePath_ = std::move(basePath);
    openErrorMessage_ = openErrorMessage;
}

std::string CDataSetIO::CompletePath(const std::string& path) const {
    if (path.empty() || path.front() != '.') {
        return path;
    }
    std::string base = basePath_;
    // Only an extension of the file name goes, never a dot in a directory name.
    const auto slash = base.find_last_of('/');
    const auto dot = base.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        base.erase(dot);
    }
    return base + path;
}

std::optional<FileValues> CDataSetIO::ParseValues(CDataFormat& format, std::string_view bytes,
                                                  const std::string& name,
                                                  bool twoColumns) const {
    if (format.ReadsLines() && bytes.find('\0') != std::string_view::npos) {
        // UTF-16 text and binary files hold NUL bytes; no text format does.
        ShowError("File \"" + name + kNotTextMessage);
        return std::nullopt;
    }
    ByteCursor input(bytes);
    // Only a WAVE header limits the count; other files are read to their end.
    DeclaredPoints declared{std::numeric_limits<std::int64_t>::max(), std::nullopt};
    if (!format.ReadHeader(input, declared)) {
        ShowError("File \"" + name + "\" does not have a valid header.");
        return std::nullopt;
    }
    FileValues values;
    values.twoColumns = twoColumns;
    if (twoColumns && format.GetChannelCount() < 2) {
        Ui().ShowMessage(kOneChannelMessage, MessageButtons::Ok, MessageIcon::Exclamation);
        values.twoColumns = false;
    }
    ValueReader reader(format, input, values, GetMaxPoints(), declared.limit);
    reader.ReadAll(name);
    // Binary digits are read out of any text; a file of which no line is such digits is
    // some other file.
    const auto points = static_cast<std::int64_t>(values.first.size());
    if (format.GetCode() == FormatCode::TextBinary && points > 0 &&
        values.report.otherText.count == points) {
        ShowError("File \"" + name + kNotBinaryDigitsMessage);
        return std::nullopt;
    }
    if (declared.announced &&
        *declared.announced != points) {
        values.report.announced = declared.announced;
    }
    return values;
}

std::optional<FileValues> CDataSetIO::ReadValues(CDataFormat& format, const std::string& path,
                                                 bool twoColumns) const {
    const std::string fullPath = CompletePath(path);
    std::string reason;
    std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(fullPath, reason);
    if (!bytes && reason == kFileTooLargeReason && IsWaveCode(format.GetCode())) {
        // A long recording: its start holds more samples than the largest filter takes.
        bytes = ReadFileStart(fullPath, kMaxReadFileBytes);
    }
    if (!bytes) {
        const std::string message = "Cannot open file \"" + fullPath + "\".";
        // A file too long to be a coefficient file opens, so no earlier check has told the
        // user why nothing was read: say it whatever the open-error flag asks.
        if (reason == kFileTooLargeReason) {
            ShowError(message + "\n" + reason);
        } else if (openErrorMessage_ != 0) {
            ShowError(message);
        }
        return std::nullopt;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    return ParseValues(format, text, fullPath, twoColumns);
}

void CDataSetIO::StoreValues(FileValues values, std::int32_t column, std::int32_t secondColumn) {
    if (HasColumn(column)) {
        GetColumn(column) = ColumnOf(values.first);
    }
    if (values.twoColumns && HasColumn(secondColumn)) {
        GetColumn(secondColumn) = ColumnOf(values.second);
    }
}

int CDataSetIO::StoreIfAny(std::optional<FileValues> values, std::int32_t column,
                           std::int32_t secondColumn) {
    if (values && values->report.HasNotes()) {
        Ui().ShowMessage(values->report.Describe(), MessageButtons::Ok, MessageIcon::Exclamation);
    }
    if (!values || values->first.empty()) {
        return 0;
    }
    StoreValues(std::move(*values), column, secondColumn);
    return 1;
}

int CDataSetIO::ReadFile(CDataFormat& format, const std::string& path, std::int32_t column,
                         std::int32_t secondColumn) {
    if (!HasColumns(column, secondColumn)) {
        return 0;
    }
    return StoreIfAny(ReadValues(format, path, secondColumn != -1), column, secondColumn);
}

int CDataSetIO::ReadBytes(CDataFormat& format, std::string_view bytes, const std::string& name,
                          std::int32_t column, std::int32_t secondColumn) {
    if (!HasColumns(column, secondColumn)) {
        return 0;
    }
    return StoreIfAny(ParseValues(format, bytes, name, secondColumn != -1), column, secondColumn);
}

std::optional<std::string> CDataSetIO::WriteBytes(CDataFormat& format, std::int32_t column,
                                                  std::int32_t secondColumn) const {
    const bool twoColumns = secondColumn != -1;
    if (!HasColumns(column, secondColumn)) {
        return std::nullopt;
    }
    const std::int32_t points = std::max(0, std::min(GetNumPoints(), GetMaxPoints()));
    const std::vector<double> first = FirstValues(GetColumn(column), points);
    const std::vector<double> second =
        twoColumns ? FirstValues(GetColumn(secondColumn), points) : std::vector<double>();
    const WriteColumns columns{first, second, twoColumns};
    if (const auto refused = NonFiniteMessage(first, second)) {
        ShowError(*refused);
        return std::nullopt;
    }

    std::string out;
    if (format.WriteWhole(out, columns)) {
        return out;
    }
    format.WriteHeader(out, twoColumns ? 2 : 1, points);
    const std::optional<ValueLimits> limits = format.GetOverflowLimits();
    if (limits && (GetMin() < limits->lowest || GetMax() > limits->highest) &&
        Ui().ShowMessage(kOverflowQuestion, MessageButtons::YesNo, MessageIcon::Question) !=
            MessageResult::Yes) {
        return std::nullopt;
    }
    std::array<double, 2> point{};
    const std::size_t perPoint = twoColumns ? 2 : 1;
    for (std::size_t i = 0; i < first.size(); ++i) {
        point[0] = first[i];
        point[1] = twoColumns ? second[i] : 0.0;
        format.WriteRecord(out, static_cast<std::int32_t>(i),
                           std::span<const double>(point.data(), perPoint));
    }
    return out;
}

WriteOutcome CDataSetIO::Write(CDataFormat& format, const std::string& path,
                               std::int32_t column, std::int32_t secondColumn) const {
    if (path.empty()) {
        return WriteOutcome::Written;
    }
    if (!HasColumns(column, secondColumn)) {
        return WriteOutcome::Refused;
    }
    const std::string fullPath = CompletePath(path);
    if (CheckWritable(fullPath)) {
        ShowError("Cannot open file \"" + fullPath + "\".");
        return WriteOutcome::FileError;
    }
    const std::optional<std::string> bytes = WriteBytes(format, column, secondColumn);
    if (!bytes) {
        return WriteOutcome::Refused;
    }
    if (const auto failure = WriteFileReplacing(fullPath, *bytes)) {
        ShowError("Cannot write file \"" + fullPath + "\".\n" + *failure);
        return WriteOutcome::FileError;
    }
    return WriteOutcome::Written;
}

void CDataSetIO::CopyToClipboard(std::int32_t firstColumn, std::int32_t lastColumn,
                                 std::int32_t firstRow, std::int32_t lastRow) const {
    const bool columnsValid =
        0 <= firstColumn && firstColumn <= lastColumn && lastColumn < GetNumColumns();
    // A range of one row is copied too: the command is offered for any data with points.
    const bool rowsValid = 0 <= firstRow && firstRow <= lastRow && lastRow < GetNumPoints();
    if (!columnsValid || !rowsValid) {
        return;
    }
    std::string text;
    for (std::int32_t row = firstRow; row <= lastRow; ++row) {
        for (std::int32_t column = firstColumn; column <= lastColumn; ++column) {
            text += FixedText(GetColumn(column).GetAt(row), kClipboardWidth, kClipboardPrecision);
            if (column < lastColumn) {
                text += '\t';
            }
        }
        text += "\r\n";
    }
    Ui().GetClipboard().SetText(text);
}

}  // namespace tapwright
