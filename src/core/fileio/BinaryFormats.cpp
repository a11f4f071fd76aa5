#include "fileio/BinaryFormats.h"

#include <bit>
#include <type_traits>

#include "fileio/ByteCursor.h"

namespace tapwright {

namespace {

template <class Value>
using BitsOf = std::conditional_t<sizeof(Value) == 4, std::uint32_t, std::uint64_t>;

}  // namespace

template <std::floating_point Value>
std::optional<RecordValues> RawBinaryCodec<Value>::ReadRecord(ByteCursor& input,
                                                              const CDataFormat&,
                                                              int wanted) const {
    const auto bytes = input.ReadBytes(sizeof(Value) * static_cast<std::size_t>(wanted));
    if (!bytes) {
        return std::nullopt;
    }
    RecordValues record;
    record.count = wanted;
    for (int i = 0; i < wanted; ++i) {
        BitsOf<Value> bits = 0;
        for (std::size_t b = 0; b < sizeof(Value); ++b) {
            const auto byte = static_cast<unsigned char>((*bytes)[i * sizeof(Value) + b]);
            bits |= static_cast<BitsOf<Value>>(byte) << (8 * b);
        }
        record.values[static_cast<std::size_t>(i)] = std::bit_cast<Value>(bits);
    }
    return record;
}

template <std::floating_point Value>
void RawBinaryCodec<Value>::WriteRecord(std::string& out, const CDataFormat&, std::int32_t,
                                        std::span<const double> values) const {
    for (const double value : values) {
        const auto bits = std::bit_cast<BitsOf<Value>>(static_cast<Value>(value));
        for (std::size_t b = 0; b < sizeof(Value); ++b) {
            out += static_cast<char>((bits >> (8 * b)) & 0xFFu);
        }
    }
}

template class RawBinaryCodec<float>;
template class RawBinaryCodec<double>;

}  // namespace tapwright
