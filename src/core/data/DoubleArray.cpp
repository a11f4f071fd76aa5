#include "data/DoubleArray.h"

#include <algorithm>
#include <cmath>

namespace tapwright {

void CDoubleArray::SetSize(std::int32_t newSize, std::int32_t growBy) {
    if (growBy != -1) {
        growBy_ = growBy;
    }
    if (newSize <= 0) {
        storage_.clear();
        storage_.shrink_to_fit();
        size_ = 0;
        return;
    }
    if (storage_.empty()) {
        storage_.resize(static_cast<std::size_t>(newSize));
    } else if (GetCapacity() < newSize) {
        const std::int64_t grown = static_cast<std::int64_t>(GetCapacity()) + growBy_;
        storage_.resize(static_cast<std::size_t>(std::max<std::int64_t>(grown, newSize)));
    }
    size_ = newSize;
}

void CDoubleArray::SetAtGrow(std::int32_t index, double value) {
    if (index >= size_) {
        SetSize(index + 1, 1024);
    }
    storage_[static_cast<std::size_t>(index)] = value;
}

std::int32_t CDoubleArray::FindNearest(double value) const {
    std::int32_t nearest = -1;
    double smallest = 0.0;
    for (std::int32_t i = 0; i < size_; ++i) {
        const double distance = std::fabs(storage_[static_cast<std::size_t>(i)] - value);
        if (nearest < 0 || distance < smallest) {
            nearest = i;
            smallest = distance;
        }
    }
    return nearest;
}

}  // namespace tapwright
