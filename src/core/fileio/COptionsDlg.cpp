#include "fileio/COptionsDlg.h"

#include "platform/Archive.h"

namespace tapwright {

void CCOptionsDlg::Serialize(ArchiveWriter& archive) const {
    archive.WriteText(varName);
    archive.WriteText(varType);
}

void CCOptionsDlg::Serialize(ArchiveReader& archive) {
    std::string name = archive.ReadText();
    std::string type = archive.ReadText();
    varName = std::move(name);
    varType = std::move(type);
}

}  // namespace tapwright
