#include "data/RecordFields.h"

#include <cmath>
#include <string>

#include "platform/Archive.h"

namespace tapwright {

namespace {

template <class Number>
Number RequireFinite(Number value, const char* what) {
    if (!std::isfinite(value)) {
        throw ArchiveError(ArchiveErrorKind::Malformed, std::string("The archive holds a ") + what +
                                                            " that is not a finite number.");
    }
    return value;
}

}  // namespace

float ReadFiniteF32(ArchiveReader& archive, const char* what) {
    return RequireFinite(archive.ReadF32(), what);
}

double ReadFiniteF64(ArchiveReader& archive, const char* what) {
    return RequireFinite(archive.ReadF64(), what);
}

std::int32_t ReadChoiceI32(ArchiveReader& archive, std::int32_t count, const char* what) {
    const std::int32_t choice = archive.ReadI32();
    ArchiveReader::RequireInRange(choice, 0, count - 1, what);
    return choice;
}

}  // namespace tapwright
