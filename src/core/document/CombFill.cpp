#include "document/CombFill.h"

#include "data/RecordFields.h"
#include "platform/Archive.h"

namespace tapwright {

void CCombFill::ApplyOneOverTaps() {
    if (oneOverTaps && taps > 0) {
        constant = 1.0 / taps;
    }
}

void CCombFill::Serialize(ArchiveWriter& archive) const {
    archive.WriteI32(taps);
    archive.WriteF64(constant);
    archive.WriteI32(oneOverTaps ? 1 : 0);
}

void CCombFill::Serialize(ArchiveReader& archive) {
    const std::int32_t storedTaps = archive.ReadI32();
    const double storedConstant = ReadFiniteF64(archive, "fill constant");
    const bool storedOneOverTaps = archive.ReadI32() != 0;
    taps = storedTaps;
    constant = storedConstant;
    oneOverTaps = storedOneOverTaps;
}

}  // namespace tapwright
