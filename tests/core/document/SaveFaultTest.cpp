#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/FirApp.h"
#include "core/document/DocumentTestSupport.h"
#include "document/FirDoc.h"
#include "platform/FileSystem.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

namespace fs = std::filesystem;

// Lets a number of bytes through, then fails every write as a device that broke does, until
// it is mended.
class BreakingWriter : public FileWriter {
public:
    int Append(std::FILE* stream, std::span<const std::uint8_t> bytes) override {
        if (!broken) {
            return FileWriter::Append(stream, bytes);
        }
        const std::size_t fits = std::min(room, bytes.size());
        FileWriter::Append(stream, bytes.first(fits));
        room -= fits;
        return fits == bytes.size() ? 0 : EIO;
    }

    bool broken = true;
    std::size_t room = 0;
};

constexpr const char* kIoError = "Input/output error";
// Long enough for a save to hand over its bytes in several pieces.
constexpr std::int32_t kLongFilterTaps = 10000;

class ProjectSaveFaultTest : public ::testing::Test {
protected:
    // A modified complex project of many taps whose file is path.
    CFirDoc& LongProject(const std::string& path) {
        CFirDoc& document = *app.NewDocument(kTemplateAdvanced);
        document.Filter().FillConstant(kLongFilterTaps, 0.25, true, true);
        document.SetPathName(path);
        document.SetModifiedFlag();
        return document;
    }

    void ExpectSaveFails(CFirDoc& document, const std::string& path) {
        ui.ExpectMessage(CannotSaveMessage(path, kIoError));
        EXPECT_FALSE(app.SaveDocument(document));
        EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Stop);
        EXPECT_TRUE(document.IsModified());
    }

    test::FakeUserInterface ui;
    test::TestFrames frames;
    test::TempDir dir;
    BreakingWriter writer;
    CFirApp app{frames, writer};
    const std::vector<std::uint8_t> old{'o', 'l', 'd', 0, 0xFF};
};

// Where the device breaks: after this many bytes, or (negative) this many bytes before the
// end of the project.
class ProjectSaveBreakTest : public ProjectSaveFaultTest,
                             public ::testing::WithParamInterface<std::int64_t> {};

TEST_P(ProjectSaveBreakTest, KeepsTheOldFileByteForByteAndNoTemporary) {
    const std::string path = dir.File("long.twa");
    test::WriteBytes(path, old);
    CFirDoc& document = LongProject(path);
    const auto size = static_cast<std::int64_t>(document.WriteProject().size());
    writer.room = static_cast<std::size_t>(GetParam() >= 0 ? GetParam() : size + GetParam());
    ASSERT_LT(writer.room, static_cast<std::size_t>(size));

    ExpectSaveFails(document, path);
    EXPECT_EQ(test::ReadBytes(path), old);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"long.twa"});
}

INSTANTIATE_TEST_SUITE_P(FirstPieceToLastByte, ProjectSaveBreakTest,
                         ::testing::Values(0, 1, 65535, 65536, 65537, 131072, -1));

TEST_F(ProjectSaveFaultTest, FailedFirstSaveLeavesNoFileAtAll) {
    const std::string path = dir.File("new.twa");
    writer.room = 1000;
    ExpectSaveFails(LongProject(path), path);
    EXPECT_TRUE(dir.Names().empty());
}

TEST_F(ProjectSaveFaultTest, FailedSaveThroughALinkKeepsTheLinkAndItsTarget) {
    const std::string target = dir.File("real.twa");
    const std::string link = dir.File("link.twa");
    test::WriteBytes(target, old);
    fs::create_symlink(target, link);
    writer.room = 100;

    ExpectSaveFails(LongProject(link), link);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::ReadBytes(target), old);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"link.twa", "real.twa"}));
}

TEST_F(ProjectSaveFaultTest, SaveSucceedsOnceTheDeviceWorksAgain) {
    const std::string path = dir.File("long.twa");
    test::WriteBytes(path, old);
    CFirDoc& document = LongProject(path);
    ExpectSaveFails(document, path);

    writer.broken = false;
    ASSERT_TRUE(app.SaveDocument(document));
    EXPECT_EQ(test::ReadBytes(path), document.WriteProject());
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"long.twa"});
}

TEST_F(ProjectSaveFaultTest, ClosingKeepsTheProjectOpenWhenItsSaveFails) {
    const std::string path = dir.File("long.twa");
    test::WriteBytes(path, old);
    CFirDoc& document = LongProject(path);
    ui.ExpectMessage("Save changes to long.twa?", MessageResult::Yes);
    ui.ExpectMessage(CannotSaveMessage(path, kIoError));

    EXPECT_FALSE(app.CloseDocument(document));
    ASSERT_EQ(app.Documents().size(), 1u);
    EXPECT_EQ(app.Documents().front().get(), &document);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.Filter().Inphase().GetNumPoints(), kLongFilterTaps);
    EXPECT_EQ(test::ReadBytes(path), old);
}

}  // namespace
}  // namespace tapwright
