#pragma once

#include <concepts>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "fileio/FormatCodec.h"

namespace tapwright {

// "Binary:float" and "Binary:double": no header, then per point the little-endian IEEE value
// of each column in turn. A file that ends inside a record keeps its complete records.
template <std::floating_point Value>
class RawBinaryCodec : public FormatCodec {
public:
    std::optional<RecordValues> ReadRecord(ByteCursor& input, const CDataFormat& format,
                                           int wanted) const override;
    void WriteRecord(std::string& out, const CDataFormat& format, std::int32_t index,
                     std::span<const double> values) const override;
};

extern template class RawBinaryCodec<float>;
extern template class RawBinaryCodec<double>;

}  // namespace tapwright
