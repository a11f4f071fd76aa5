#pragma once

#include <cstdint>
#include <vector>

namespace tapwright {

// A growable array of doubles with an explicit capacity and growth step, the storage of
// every data column and plot series.
class CDoubleArray {
public:
    // Sets the number of valid elements. A growBy other than -1 replaces the stored growth
    // step. Size 0 frees the storage; growing past the capacity reallocates to at least
    // capacity + growBy elements and keeps the contents.
    void SetSize(std::int32_t newSize, std::int32_t growBy = -1);

    // Stores the value, first growing the array to index + 1 elements (1,024 more elements
    // of capacity at a time) when the index lies beyond its end.
    void SetAtGrow(std::int32_t index, double value);

    // Appends a value at the end.
    void Add(double value) { SetAtGrow(size_, value); }

    std::int32_t GetSize() const { return size_; }
    std::int32_t GetCapacity() const { return static_cast<std::int32_t>(storage_.size()); }
    std::int32_t GetGrowBy() const { return growBy_; }
    bool HasStorage() const { return !storage_.empty(); }

    double operator[](std::int32_t index) const { return storage_[static_cast<std::size_t>(index)]; }
    double& operator[](std::int32_t index) { return storage_[static_cast<std::size_t>(index)]; }

    const double* Data() const { return storage_.data(); }
    double* Data() { return storage_.data(); }

    // Index of the element nearest to value (the lower index on a tie), or -1 when empty.
    std::int32_t FindNearest(double value) const;

private:
    std::vector<double> storage_;  // capacity elements; the first size_ are valid
    std::int32_t size_ = 0;
    std::int32_t growBy_ = 0;
};

}  // namespace tapwright
