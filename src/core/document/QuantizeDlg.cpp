#include "document/QuantizeDlg.h"

#include "design/CoefficientOps.h"
#include "platform/Archive.h"
#include "platform/UserInterface.h"

namespace tapwright {

bool CQuantizeDlg::OnOK() const {
    if (bits < kMinQuantizeBits || bits > kMaxQuantizeBits) {
        Ui().ShowMessage(kQuantizeBitsMessage, MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    return true;
}

void CQuantizeDlg::Serialize(ArchiveWriter& archive) const {
    archive.WriteI32(bits);
}

void CQuantizeDlg::Serialize(ArchiveReader& archive) {
    bits = archive.ReadI32();
}

}  // namespace tapwright
