#include "document/ScaleDlg.h"

#include <cmath>

#include "data/RecordFields.h"
#include "platform/Archive.h"

namespace tapwright {

double CScaleDlg::ScaleValue() const {
    return valueInDb ? std::pow(10.0, value * 0.05) : value;
}

void CScaleDlg::Serialize(ArchiveWriter& archive) const {
    archive.WriteF64(frequency);
    archive.WriteI32(static_cast<std::int32_t>(mode));
    archive.WriteF64(value);
    archive.WriteI32(valueInDb ? 1 : 0);
}

void CScaleDlg::Serialize(ArchiveReader& archive) {
    const double storedFrequency = ReadFiniteF64(archive, "scale frequency");
    const std::int32_t storedMode = ReadChoiceI32(archive, kNumScaleModes, "scale mode");
    const double storedValue = ReadFiniteF64(archive, "scale value");
    const bool storedInDb = archive.ReadI32() != 0;
    frequency = storedFrequency;
    mode = static_cast<ScaleMode>(storedMode);
    value = storedValue;
    valueInDb = storedInDb;
}

}  // namespace tapwright
