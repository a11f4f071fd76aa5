#pragma once

#include <cstdint>
#include <vector>

#include "data/DoubleArray.h"

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;

// One channel of samples. The samples live in blocks of 65,536 doubles, so that a long
// channel never needs one huge contiguous allocation: sample i is element i mod 65,536 of
// block i / 65,536, and every block but the last is full.
class CDataColumn {
public:
    static constexpr std::int32_t kBlockShift = 16;
    static constexpr std::int32_t kBlockSize = 1 << kBlockShift;  // 65,536 samples
    static constexpr std::int32_t kBlockMask = kBlockSize - 1;

    // One empty block without storage.
    CDataColumn();

    // Appends a sample, starting a new block when the last one is full. Throws
    // std::length_error rather than let the count pass the largest signed 32-bit value.
    void Add(double value);

    std::int32_t GetNumPoints() const;

    // Element access through the block rule; the index must lie within the column.
    double GetAt(std::int32_t index) const {
        return blocks_[static_cast<std::size_t>(index >> kBlockShift)][index & kBlockMask];
    }
    void SetAt(std::int32_t index, double value) {
        blocks_[static_cast<std::size_t>(index >> kBlockShift)][index & kBlockMask] = value;
    }

    // Leaves one empty block without storage.
    void RemoveAll();

    // Copies the first min(N_this, N_other) samples of other over this column; neither
    // column changes its size.
    void CopyFrom(const CDataColumn& other);

    // Exchanges the first min(N_this, N_other) samples of the two columns; neither column
    // changes its size.
    void SwapWith(CDataColumn& other);

    // Sets every sample to 0.0 and returns the number of samples.
    std::int32_t Zero();

    // Smallest and largest sample; 0.0 for an empty column.
    double GetMin() const;
    double GetMax() const;

    double GetSumAbs() const;
    double GetSumSquares() const;

    // The blocks themselves, for code that walks a long column block by block.
    std::int32_t GetNumBlocks() const { return static_cast<std::int32_t>(blocks_.size()); }
    const CDoubleArray& GetBlock(std::int32_t block) const {
        return blocks_[static_cast<std::size_t>(block)];
    }

    // Project-file record: the sample count (unsigned 32 bits), then every sample as a
    // double. Reading replaces the samples only once the whole record has been read; a count
    // that the stream cannot hold raises ArchiveError before anything is allocated.
    void Serialize(ArchiveWriter& archive) const;
    void Serialize(ArchiveReader& archive);

private:
    static CDoubleArray EmptyBlock();

    // Calls action(thisBlock, otherBlock, count) over the first min(N_this, N_other) samples,
    // one block at a time; both columns share the block layout.
    template <class Column, class Action>
    void ForCommonBlocks(Column& other, Action action);

    std::vector<CDoubleArray> blocks_;
};

}  // namespace tapwright
