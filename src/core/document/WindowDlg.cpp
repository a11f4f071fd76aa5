#include "document/WindowDlg.h"

#include "data/RecordFields.h"
#include "platform/Archive.h"
#include "platform/UserInterface.h"

namespace tapwright {

bool CWindowDlg::OnOK() const {
    if (type == WindowType::KaiserBessel && !IsUsableKaiserAlpha(alpha)) {
        Ui().ShowMessage(kKaiserAlphaMessage, MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    return true;
}

void CWindowDlg::Serialize(ArchiveWriter& archive) const {
    archive.WriteI16(static_cast<std::int16_t>(type));
    archive.WriteF32(alpha);
}

void CWindowDlg::Serialize(ArchiveReader& archive) {
    const std::int16_t storedType = archive.ReadI16();
    ArchiveReader::RequireInRange(storedType, 0, kNumWindowTypes - 1, "window type");
    const float storedAlpha = ReadFiniteF32(archive, "Kaiser-Bessel alpha");
    type = static_cast<WindowType>(storedType);
    alpha = storedAlpha;
}

}  // namespace tapwright
