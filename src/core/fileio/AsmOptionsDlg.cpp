#include "fileio/AsmOptionsDlg.h"

#include "platform/Archive.h"
#include "platform/UserInterface.h"

namespace tapwright {

bool CAsmOptionsDlg::OnOK() {
    name.erase(0, name.find_first_not_of(" \t\r\n\v\f"));
    if (!name.empty()) {
        return true;
    }
    name = kDefaultName;
    Ui().ShowMessage(kEmptyNameMessage, MessageButtons::Ok, MessageIcon::Stop);
    return false;
}

void CAsmOptionsDlg::Serialize(ArchiveWriter& archive) const {
    archive.WriteText(name);
    archive.WriteText(finalText);
    archive.WriteI32(showGraph ? 1 : 0);
    archive.WriteText(initialText);
    archive.WriteI32(showLength ? 1 : 0);
    archive.WriteI32(showRatio ? 1 : 0);
    archive.WriteText(ratioText);
    archive.WriteI32(static_cast<std::int32_t>(dataFormat));
    archive.WriteI32(showFloat ? 1 : 0);
    archive.WriteI32(showOther ? 1 : 0);
}

void CAsmOptionsDlg::Serialize(ArchiveReader& archive) {
    CAsmOptionsDlg read;
    read.name = archive.ReadText();
    read.finalText = archive.ReadText();
    read.showGraph = archive.ReadI32() != 0;
    read.initialText = archive.ReadText();
    read.showLength = archive.ReadI32() != 0;
    read.showRatio = archive.ReadI32() != 0;
    read.ratioText = archive.ReadText();
    read.dataFormat = static_cast<AsmDataFormat>(archive.ReadI32());
    read.showFloat = archive.ReadI32() != 0;
    read.showOther = archive.ReadI32() != 0;
    *this = std::move(read);
}

}  // namespace tapwright
