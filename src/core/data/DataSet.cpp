#include "data/DataSet.h"

#include <algorithm>
#include <limits>

#include "platform/Archive.h"

namespace tapwright {

namespace {

// The smallest record a column can have: its sample count.
constexpr std::size_t kSmallestColumnRecord = sizeof(std::uint32_t);

}  // namespace

CDataSet::CDataSet(const CDataSet& other) : name_(other.name_), ownsColumns_(other.ownsColumns_) {
    columns_.reserve(other.columns_.size());
    for (const auto& column : other.columns_) {
        columns_.push_back(std::make_unique<CDataColumn>(*column));
    }
}

CDataSet& CDataSet::operator=(const CDataSet& other) {
    if (&other != this) {
        CDataSet copy(other);
        *this = std::move(copy);
    }
    return *this;
}

CDataColumn& CDataSet::AddColumn() {
    columns_.push_back(std::make_unique<CDataColumn>());
    ownsColumns_ = true;
    return *columns_.back();
}

void CDataSet::RemoveColumn(std::int32_t index) {
    if (index == -1) {
        index = GetNumColumns() - 1;
    }
    if (index < 0 || index >= GetNumColumns()) {
        return;
    }
    columns_.erase(columns_.begin() + index);
}

void CDataSet::RemoveAll() {
    while (!columns_.empty()) {
        RemoveColumn(-1);
    }
    ownsColumns_ = false;
}

std::int32_t CDataSet::GetNumPoints() const {
    if (columns_.empty()) {
        return 0;
    }
    std::int32_t smallest = std::numeric_limits<std::int32_t>::max();
    for (const auto& column : columns_) {
        smallest = std::min(smallest, column->GetNumPoints());
    }
    return smallest;
}

double CDataSet::GetMin() const {
    if (columns_.empty()) {
        return 0.0;
    }
    double smallest = columns_.front()->GetMin();
    for (const auto& column : columns_) {
        smallest = std::min(smallest, column->GetMin());
    }
    return smallest;
}

double CDataSet::GetMax() const {
    if (columns_.empty()) {
        return 0.0;
    }
    double largest = columns_.front()->GetMax();
    for (const auto& column : columns_) {
        largest = std::max(largest, column->GetMax());
    }
    return largest;
}

void CDataSet::Serialize(ArchiveWriter& archive) const {
    archive.WriteText(name_);
    archive.WriteU32(static_cast<std::uint32_t>(columns_.size()));
    for (const auto& column : columns_) {
        column->Serialize(archive);
    }
}

void CDataSet::Serialize(ArchiveReader& archive) {
    std::string name = archive.ReadText();
    const std::uint32_t count = archive.ReadU32();
    ArchiveReader::RequireInRange(count, 0, std::numeric_limits<std::int32_t>::max(),
                                  "column count");
    archive.RequireRecords(count, kSmallestColumnRecord);

    std::vector<std::unique_ptr<CDataColumn>> columns;
    columns.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        auto column = std::make_unique<CDataColumn>();
        column->Serialize(archive);
        columns.push_back(std::move(column));
    }
    name_ = std::move(name);
    columns_ = std::move(columns);
    // As if the set had been emptied and had then created each column read.
    ownsColumns_ = !columns_.empty();
}

}  // namespace tapwright
