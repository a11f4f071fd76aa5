#include "fileio/ValueReader.h"

#include <algorithm>
#include <cmath>

#include "fileio/ByteCursor.h"
#include "fileio/DataFormat.h"

namespace tapwright {

namespace {

bool IsBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t\v\f") == std::string_view::npos;
}

}  // namespace

ValueReader::ValueReader(const CDataFormat& format, ByteCursor& input, FileValues& values,
                         std::int64_t maxPoints, std::int64_t declaredLimit)
    : format_(format),
      input_(input),
      values_(values),
      report_(values.report),
      maxPoints_(maxPoints),
      declaredLimit_(declaredLimit) {}

void ValueReader::ReadAll(const std::string& name) {
    report_.fileName = name;
    report_.byLine = format_.ReadsLines();
    report_.twoColumns = values_.twoColumns;
    const FormatTableRow* row = FindFormatRow(format_.GetCode());
    if (row == nullptr || !row->Offers(FormatDirection::Read)) {
        return;  // a format that is only written reads nothing, and has nothing to tell
    }
    // Points are appended as they are read, so a count announced by the file never decides
    // what is allocated, and a file shorter than it says keeps what it holds.
    const std::int64_t limit = std::min(maxPoints_, declaredLimit_);
    for (;;) {
        if (Points() >= limit) {
            if (Points() >= maxPoints_) {
                StopAtLimit();
            }
            break;
        }
        const std::optional<RecordValues> record = format_.ReadRecord(input_, Wanted());
        if (!record) {
            StopAtIncompleteRecord();
            break;
        }
        if (!Take(*record)) {
            break;
        }
    }
    report_.pointsRead = Points();
}

bool ValueReader::Take(const RecordValues& record) {
    const int wanted = Wanted();
    const std::int64_t place =
        report_.byLine ? static_cast<std::int64_t>(input_.LinesRead()) : Points() + 1;
    if (record.count < wanted) {
        StopAtRecord(record, place);
        return false;
    }
    for (int i = 0; i < wanted; ++i) {
        if (!std::isfinite(record.values[static_cast<std::size_t>(i)])) {
            StopAtNonFinite(place);
            return false;
        }
    }
    const std::string_view line = report_.byLine ? input_.LastLine() : std::string_view();
    if (record.numbersOnLine > wanted) {
        report_.moreNumbers.Note(place, line);
    }
    if (record.otherText) {
        report_.otherText.Note(place, line);
    }
    if (record.wrapped) {
        report_.wrapped.Note(place, line);
    }
    values_.first.push_back(record.values[0]);
    if (values_.twoColumns) {
        values_.second.push_back(record.values[1]);
    }
    return true;
}

void ValueReader::StopAtRecord(const RecordValues& record, std::int64_t place) {
    const std::string_view line = input_.LastLine();
    if (IsBlankLine(line)) {
        std::int64_t first = 0;
        const std::int64_t left = TextLinesLeft(first);
        // Blank lines at the end are the end of the file, not a place where reading stopped.
        if (left == 0) {
            return;
        }
        report_.stoppedAt = "line " + std::to_string(place) + ", which is blank";
        report_.leftUnread = Counted(left, "more line was", "more lines were") + " not read.";
        return;
    }
    report_.stoppedAt = "line " + std::to_string(place) + ", which holds " +
                        (record.count == 0 ? "no number that can be read"
                                           : "one number where two are needed") +
                        ": " + QuotedLine(line);
    NoteLinesLeft();
}

void ValueReader::StopAtNonFinite(std::int64_t place) {
    if (report_.byLine) {
        report_.stoppedAt = "line " + std::to_string(place) +
                            ", which holds a value that is not a finite number: " +
                            QuotedLine(input_.LastLine());
    } else {
        report_.stoppedAt =
            "record " + std::to_string(place) + ", which holds a value that is not a finite number";
    }
    NoteLinesLeft();
}

void ValueReader::StopAtLimit() {
    const std::string most = "at most " + std::to_string(maxPoints_) + " points can be read";
    if (report_.byLine) {
        std::int64_t first = 0;
        const std::int64_t left = TextLinesLeft(first);
        if (left > 0) {
            report_.stoppedAt = "line " + std::to_string(first) + ": " + most;
            report_.leftUnread = Counted(left, "line was", "lines were") + " not read.";
        }
        return;
    }
    if (input_.AtEnd() || declaredLimit_ <= Points()) {
        return;
    }
    report_.stoppedAt = "record " + std::to_string(Points() + 1) + ": " + most;
    if (IsWaveCode(format_.GetCode())) {
        report_.leftUnread =
            "The file holds " + Counted(declaredLimit_, "record.", "records.");
    } else {
        NoteLinesLeft();
    }
}

void ValueReader::StopAtIncompleteRecord() {
    if (report_.byLine || input_.AtEnd()) {
        return;
    }
    report_.stoppedAt = "the end of the file, whose last " +
                        Counted(static_cast<std::int64_t>(input_.Remaining()), "byte does",
                                "bytes do") +
                        " not make a whole record";
}

std::int64_t ValueReader::TextLinesLeft(std::int64_t& first) {
    std::int64_t count = 0;
    while (const std::optional<std::string_view> line = input_.ReadLine()) {
        if (!IsBlankLine(*line) && count++ == 0) {
            first = static_cast<std::int64_t>(input_.LinesRead());
        }
    }
    return count;
}

void ValueReader::NoteLinesLeft() {
    if (!report_.byLine) {
        if (!input_.AtEnd()) {
            report_.leftUnread =
                Counted(static_cast<std::int64_t>(input_.Remaining()), "more byte was",
                        "more bytes were") +
                " not read.";
        }
        return;
    }
    std::int64_t first = 0;
    const std::int64_t left = TextLinesLeft(first);
    if (left > 0) {
        report_.leftUnread = Counted(left, "more line was", "more lines were") + " not read.";
    }
}

}  // namespace tapwright
