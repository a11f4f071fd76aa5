// The reader of "Text:Binary" coefficient files.

#include <cstddef>
#include <cstdint>

#include "support/CoefficientReaderCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tapwright::fuzz::CheckCoefficientReader(tapwright::FormatCode::TextBinary, {data, size});
    return 0;
}
