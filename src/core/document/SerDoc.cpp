#include "document/SerDoc.h"

#include <algorithm>
#include <filesystem>

#include "platform/FileSystem.h"
#include "platform/Archive.h"
#include "platform/UserInterface.h"
#include "platform/View.h"

namespace tapwright {

std::string NewerVersionMessage() {
    return std::string(CSerDoc::kNewerVersionMessage) + TAPWRIGHT_HOMEPAGE + ".";
}

std::string CannotSaveMessage(const std::string& path, const std::string& reason) {
    return "Cannot save \"" + path + "\".\n" + reason + ".";
}

void CSerDoc::AddView(CView& view) {
    if (std::find(views_.begin(), views_.end(), &view) == views_.end()) {
        views_.push_back(&view);
    }
}

void CSerDoc::RemoveView(CView& view) {
    views_.erase(std::remove(views_.begin(), views_.end(), &view), views_.end());
}

void CSerDoc::UpdateAllViews(CView* sender, std::uint32_t hint, CDataSet* object) {
    // A copy, so that a view that opens another window while it updates does not disturb
    // the walk.
    const std::vector<CView*> views = views_;
    for (CView* view : views) {
        if (view != sender) {
            view->OnUpdate(sender, hint, object);
        }
    }
}

void CSerDoc::SetPathName(std::string pathName) {
    title_ = std::filesystem::path(pathName).filename().string();
    pathName_ = std::move(pathName);
}

std::vector<std::uint8_t> CSerDoc::WriteProject() const {
    ArchiveWriter archive;
    archive.WriteU16(kProjectVersion);
    WriteContents(archive);
    return archive.TakeBytes();
}

void CSerDoc::ReadProject(std::span<const std::uint8_t> bytes) {
    ArchiveReader archive(bytes);
    const std::uint16_t version = archive.ReadU16();
    // The layouts before version 3 are not known; no reader could make sense of them.
    ArchiveReader::RequireInRange(version, kOldestProjectVersion, kHighestPossibleProjectVersion,
                                  "project version");
    // A damaged file must not first claim to come from a newer version: the warning waits
    // until the contents have been read.
    ReadContents(archive, std::min<int>(version, kProjectVersion));
    version_ = version;
    if (IsFromNewerVersion()) {
        Ui().ShowMessage(NewerVersionMessage(), MessageButtons::Ok, MessageIcon::Stop);
    }
    if (version < kCompleteFieldsVersion) {
        SetModifiedFlag();
    }
}

bool CSerDoc::SaveTo(const std::string& path, FileWriter& writer) {
    OnBeforeSave();
    const std::vector<std::uint8_t> bytes = WriteProject();
    if (const auto failure = WriteFileReplacing(path, bytes, writer)) {
        Ui().ShowMessage(CannotSaveMessage(path, *failure), MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    SetModifiedFlag(false);
    OnSaved();
    return true;
}

}  // namespace tapwright
