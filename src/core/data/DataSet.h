#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/DataColumn.h"

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;

// An ordered set of columns with a name. Its point count is that of its shortest column.
// The set owns its columns; they stay at the same address while columns are added, so a
// reference to a column remains valid until that column is removed.
class CDataSet {
public:
    CDataSet() = default;
    CDataSet(const CDataSet& other);
    CDataSet& operator=(const CDataSet& other);
    CDataSet(CDataSet&&) noexcept = default;
    CDataSet& operator=(CDataSet&&) noexcept = default;
    virtual ~CDataSet() = default;

    // Appends an empty column and returns it.
    CDataColumn& AddColumn();

    // Removes the column at index; -1 means the last column. Any other index outside the set
    // removes nothing.
    void RemoveColumn(std::int32_t index = -1);

    // Removes every column, the last one first.
    void RemoveAll();

    // The smallest sample count over all columns; 0 without columns.
    std::int32_t GetNumPoints() const;

    virtual bool IsEmpty() const { return GetNumPoints() == 0; }

    void AddPoint(std::int32_t column, double value) { GetColumn(column).Add(value); }

    // The index must name an existing column.
    CDataColumn& GetColumn(std::int32_t index) {
        return *columns_[static_cast<std::size_t>(index)];
    }
    const CDataColumn& GetColumn(std::int32_t index) const {
        return *columns_[static_cast<std::size_t>(index)];
    }
    std::int32_t GetNumColumns() const { return static_cast<std::int32_t>(columns_.size()); }

    // The smallest column minimum and the largest column maximum; 0.0 without columns.
    double GetMin() const;
    double GetMax() const;

    // True once the set has created a column itself, false again after RemoveAll.
    bool OwnsColumns() const { return ownsColumns_; }

    const std::string& GetName() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    // Project-file record: the name as archive text, the column count (unsigned 32 bits),
    // then each column's record. Reading replaces the name and the columns only once the
    // whole record has been read.
    void Serialize(ArchiveWriter& archive) const;
    void Serialize(ArchiveReader& archive);

private:
    std::vector<std::unique_ptr<CDataColumn>> columns_;
    std::string name_;
    bool ownsColumns_ = false;
};

}  // namespace tapwright
