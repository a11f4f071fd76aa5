#pragma once

#include <cstdint>

namespace tapwright {

// What the designed response does: the symmetry of the taps and the desired response on the
// design grid follow from it. The numbers are the ones a project file stores.
enum class ResponseType : std::int32_t { Filter = 1, Differentiator = 2, Hilbert = 3 };

// Whether the value is one of the three types; a value cast from a file or a caller's integer
// need not be.
constexpr bool IsKnownResponseType(ResponseType type) {
    return type == ResponseType::Filter || type == ResponseType::Differentiator ||
           type == ResponseType::Hilbert;
}

}  // namespace tapwright
