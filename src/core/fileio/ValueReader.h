#pragma once

#include <cstdint>
#include <string>

#include "fileio/DataSetIO.h"

namespace tapwright {

class ByteCursor;
class CDataFormat;
struct RecordValues;

// Reads the records of a coefficient file after its header into the values, one point per
// record, and notes in the values' report where and why it stopped before the end of the
// file and which values it passed over or changed on the way.
class ValueReader {
public:
    // maxPoints is the most the data set takes; declaredLimit the count a header gives.
    ValueReader(const CDataFormat& format, ByteCursor& input, FileValues& values,
                std::int64_t maxPoints, std::int64_t declaredLimit);

    void ReadAll(const std::string& name);

private:
    std::int64_t Points() const { return static_cast<std::int64_t>(values_.first.size()); }
    int Wanted() const { return values_.twoColumns ? 2 : 1; }

    // Appends the record's values; false when reading stops at it.
    bool Take(const RecordValues& record);
    void StopAtRecord(const RecordValues& record, std::int64_t place);
    void StopAtNonFinite(std::int64_t place);
    void StopAtLimit();
    void StopAtIncompleteRecord();

    // Reads the rest of a text file: how many lines hold more than white space, and the
    // number of the first of them.
    std::int64_t TextLinesLeft(std::int64_t& first);
    void NoteLinesLeft();

    const CDataFormat& format_;
    ByteCursor& input_;
    FileValues& values_;
    ReadReport& report_;
    std::int64_t maxPoints_;
    std::int64_t declaredLimit_;
};

}  // namespace tapwright
