#include "document/SineDlg.h"

#include "data/RecordFields.h"
#include "platform/Archive.h"

namespace tapwright {

void CSineDlg::Serialize(ArchiveWriter& archive) const {
    archive.WriteI32(count);
    archive.WriteF32(cycles);
}

void CSineDlg::Serialize(ArchiveReader& archive) {
    const std::int32_t storedCount = archive.ReadI32();
    const float storedCycles = ReadFiniteF32(archive, "number of sine cycles");
    count = storedCount;
    cycles = storedCycles;
}

}  // namespace tapwright
