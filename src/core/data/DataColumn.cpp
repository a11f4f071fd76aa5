#include "data/DataColumn.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "platform/Archive.h"

namespace tapwright {

namespace {

template <class Reduce>
double Accumulate(const std::vector<CDoubleArray>& blocks, double start, Reduce reduce) {
    double result = start;
    for (const CDoubleArray& block : blocks) {
        const double* values = block.Data();
        for (std::int32_t i = 0; i < block.GetSize(); ++i) {
            result = reduce(result, values[i]);
        }
    }
    return result;
}

}  // namespace

CDoubleArray CDataColumn::EmptyBlock() {
    CDoubleArray block;
    block.SetSize(0, kBlockSize);
    return block;
}

CDataColumn::CDataColumn() {
    blocks_.push_back(EmptyBlock());
}

void CDataColumn::Add(double value) {
    if (GetNumPoints() == std::numeric_limits<std::int32_t>::max()) {
        throw std::length_error("a data column holds at most 2,147,483,647 samples");
    }
    if (blocks_.back().GetSize() == kBlockSize) {
        blocks_.push_back(EmptyBlock());
    }
    blocks_.back().Add(value);
}

std::int32_t CDataColumn::GetNumPoints() const {
    return static_cast<std::int32_t>(blocks_.size() - 1) * kBlockSize + blocks_.back().GetSize();
}

void CDataColumn::RemoveAll() {
    while (blocks_.size() > 1) {
        blocks_.pop_back();
    }
    blocks_.front().SetSize(0, kBlockSize);
}

template <class Column, class Action>
void CDataColumn::ForCommonBlocks(Column& other, Action action) {
    std::int32_t remaining = std::min(GetNumPoints(), other.GetNumPoints());
    for (std::size_t b = 0; remaining > 0; ++b) {
        const std::int32_t count = std::min(remaining, kBlockSize);
        action(blocks_[b], other.blocks_[b], count);
        remaining -= count;
    }
}

void CDataColumn::CopyFrom(const CDataColumn& other) {
    if (&other == this) {
        return;
    }
    ForCommonBlocks(other, [](CDoubleArray& mine, const CDoubleArray& theirs, std::int32_t n) {
        std::copy_n(theirs.Data(), n, mine.Data());
    });
}

void CDataColumn::SwapWith(CDataColumn& other) {
    if (&other == this) {
        return;
    }
    ForCommonBlocks(other, [](CDoubleArray& mine, CDoubleArray& theirs, std::int32_t n) {
        std::swap_ranges(mine.Data(), mine.Data() + n, theirs.Data());
    });
}

std::int32_t CDataColumn::Zero() {
    for (CDoubleArray& block : blocks_) {
        std::fill_n(block.Data(), block.GetSize(), 0.0);
    }
    return GetNumPoints();
}

double CDataColumn::GetMin() const {
    if (GetNumPoints() == 0) {
        return 0.0;
    }
    return Accumulate(blocks_, std::numeric_limits<double>::infinity(),
                      [](double a, double v) { return std::min(a, v); });
}

double CDataColumn::GetMax() const {
    if (GetNumPoints() == 0) {
        return 0.0;
    }
    return Accumulate(blocks_, -std::numeric_limits<double>::infinity(),
                      [](double a, double v) { return std::max(a, v); });
}

double CDataColumn::GetSumAbs() const {
    return Accumulate(blocks_, 0.0, [](double a, double v) { return a + std::fabs(v); });
}

double CDataColumn::GetSumSquares() const {
    return Accumulate(blocks_, 0.0, [](double a, double v) { return a + v * v; });
}

void CDataColumn::Serialize(ArchiveWriter& archive) const {
    archive.WriteU32(static_cast<std::uint32_t>(GetNumPoints()));
    for (const CDoubleArray& block : blocks_) {
        for (std::int32_t i = 0; i < block.GetSize(); ++i) {
            archive.WriteF64(block[i]);
        }
    }
}

void CDataColumn::Serialize(ArchiveReader& archive) {
    const std::uint32_t count = archive.ReadU32();
    ArchiveReader::RequireInRange(count, 0, std::numeric_limits<std::int32_t>::max(),
                                  "sample count");
    archive.RequireRecords(count, sizeof(double));

    // Fill whole blocks at once: the same samples as adding them one by one, without
    // growing each block 1,024 samples at a time.
    CDataColumn loaded;
    loaded.blocks_.clear();
    std::int64_t remaining = count;
    do {
        const auto size = static_cast<std::int32_t>(std::min<std::int64_t>(remaining, kBlockSize));
        CDoubleArray block = EmptyBlock();
        block.SetSize(size);
        for (std::int32_t i = 0; i < size; ++i) {
            block[i] = archive.ReadF64();
        }
        loaded.blocks_.push_back(std::move(block));
        remaining -= size;
    } while (remaining > 0);
    blocks_.swap(loaded.blocks_);
}

}  // namespace tapwright
