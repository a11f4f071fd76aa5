#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "app/FirApp.h"
#include "core/document/DocumentTestSupport.h"
#include "document/FirDoc.h"
#include "platform/FileSystem.h"
#include "platform/FileDlg.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

// Writes the first bytes it is allowed to, then fails as a full disk does.
class FillingDiskWriter : public FileWriter {
public:
    explicit FillingDiskWriter(std::size_t room) : room_(room) {}

    int Append(std::FILE* stream, std::span<const std::uint8_t> bytes) override {
        const std::size_t fits = std::min(room_, bytes.size());
        FileWriter::Append(stream, bytes.first(fits));
        room_ -= fits;
        return fits == bytes.size() ? 0 : ENOSPC;
    }

private:
    std::size_t room_;
};

class ProjectSaveTest : public ::testing::Test {
protected:
    // A modified project whose file is path.
    CFirDoc& ModifiedProject(CFirApp& app, const std::string& path) {
        CFirDoc& document = *app.NewDocument(kTemplateAdvanced);
        document.Filter().FillConstant(64, 0.5, true, false);
        document.SetPathName(path);
        document.SetModifiedFlag();
        return document;
    }

    void ExpectCannotSave(const std::string& path, const std::string& reason) {
        ui.ExpectMessage(CannotSaveMessage(path, reason));
    }

    test::FakeUserInterface ui;
    test::TestFrames frames;
    test::TempDir dir;
};

TEST_F(ProjectSaveTest, SaveReplacesTheFileAndClearsTheModifiedFlag) {
    CFirApp app(frames);
    const std::string path = dir.File("project.twa");
    test::WriteBytes(path, {1, 2, 3});
    CFirDoc& document = ModifiedProject(app, path);
    ASSERT_TRUE(app.SaveDocument(document));
    EXPECT_EQ(test::ReadBytes(path), document.WriteProject());
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"project.twa"});
}

TEST_F(ProjectSaveTest, SaveAnnouncesItselfToTheViewsWithTheFilter) {
    CFirApp app(frames);
    CFirDoc& document = ModifiedProject(app, dir.File("project.twa"));
    ASSERT_TRUE(app.SaveDocument(document));
    const auto& updates = frames.Views(ViewKind::AdvancedEditor).front()->updates;
    EXPECT_EQ(updates.back().hint, hint::kAboutToSave);
    EXPECT_EQ(updates.back().object, &document.Filter());
}

TEST_F(ProjectSaveTest, WriteFailureInTheMiddleLeavesTheOldFileAndNoTemporary) {
    FillingDiskWriter writer(100);
    CFirApp app(frames, writer);
    const std::string path = dir.File("project.twa");
    const std::vector<std::uint8_t> old = {9, 8, 7, 6, 5};
    test::WriteBytes(path, old);
    CFirDoc& document = ModifiedProject(app, path);
    ASSERT_GT(document.WriteProject().size(), 100u);

    ExpectCannotSave(path, "No space left on device");
    EXPECT_FALSE(app.SaveDocument(document));
    EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Stop);
    EXPECT_EQ(test::ReadBytes(path), old);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"project.twa"});
    EXPECT_TRUE(document.IsModified());
}

TEST_F(ProjectSaveTest, TargetThatIsADirectoryIsLeftAlone) {
    CFirApp app(frames);
    const std::string path = dir.File("project.twa");
    std::filesystem::create_directory(path);
    CFirDoc& document = ModifiedProject(app, path);
    ExpectCannotSave(path, "Is a directory");
    EXPECT_FALSE(app.SaveDocument(document));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_TRUE(std::filesystem::is_empty(path));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"project.twa"});
    EXPECT_TRUE(document.IsModified());
}

TEST_F(ProjectSaveTest, MissingDirectoryIsReported) {
    CFirApp app(frames);
    const std::string path = dir.File("missing/project.twa");
    CFirDoc& document = ModifiedProject(app, path);
    ExpectCannotSave(path, "No such file or directory");
    EXPECT_FALSE(app.SaveDocument(document));
    EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));
    EXPECT_TRUE(document.IsModified());
}

TEST_F(ProjectSaveTest, FailedSaveAsKeepsTheOldPathAndTitle) {
    CFirApp app(frames);
    CFirDoc& document = *app.NewDocument(kTemplateSimple);
    document.SetModifiedFlag();
    const std::string path = dir.File("missing/other.tws");
    ui.ExpectDialog<CFileDlg>([&](CFileDlg& dialog) {
        EXPECT_EQ(dialog.fileName, "Tapwright1.tws");
        EXPECT_EQ(dialog.filters.front().pattern, "*.tws");
        EXPECT_TRUE(dialog.promptOverwrite);
        dialog.chosenPath = path;
        return true;
    });
    ExpectCannotSave(path, "No such file or directory");
    EXPECT_FALSE(app.SaveDocumentAs(document));
    EXPECT_EQ(document.GetTitle(), "Tapwright1");
    EXPECT_TRUE(document.GetPathName().empty());
}

}  // namespace
}  // namespace tapwright
