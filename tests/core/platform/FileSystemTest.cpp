#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tapwright {
namespace {

namespace fs = std::filesystem;

class FileSystemTest : public testing::Test {
protected:
    void SetUp() override {
        directory_ = fs::temp_directory_path() /
                     ("tapwright-fs-" +
                      std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(directory_);
    }
    void TearDown() override { fs::remove_all(directory_); }

    std::string PathOf(const std::string& name) const { return (directory_ / name).string(); }

    void WriteBytes(const std::string& name, std::size_t count) const {
        std::ofstream(PathOf(name), std::ios::binary) << std::string(count, 'x');
    }

    fs::path directory_;
};

TEST_F(FileSystemTest, ReadsAFileUpToTheLimitAndRefusesALongerOne) {
    WriteBytes("fits.txt", 100);
    WriteBytes("long.txt", 101);
    std::string reason;
    const auto fits = ReadWholeFile(PathOf("fits.txt"), reason, 100);
    ASSERT_TRUE(fits.has_value());
    EXPECT_EQ(fits->size(), 100U);
    EXPECT_FALSE(ReadWholeFile(PathOf("long.txt"), reason, 100).has_value());
    EXPECT_EQ(reason, kFileTooLargeReason);
}

TEST_F(FileSystemTest, WritabilityIsCheckedBeforeAnythingIsWritten) {
    EXPECT_FALSE(CheckWritable(PathOf("new.txt")).has_value());
    EXPECT_TRUE(CheckWritable(directory_.string()).has_value());
    EXPECT_TRUE(CheckWritable(PathOf("missing/new.txt")).has_value());
    EXPECT_FALSE(fs::exists(PathOf("new.txt")));
}

TEST_F(FileSystemTest, TextIsWrittenWholeAndReplacesTheOldFile) {
    WriteBytes("plot.txt", 10);
    ASSERT_FALSE(WriteFileReplacing(PathOf("plot.txt"), std::string_view("1\t2\r\n")));
    std::string reason;
    const auto bytes = ReadWholeFile(PathOf("plot.txt"), reason);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "1\t2\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace tapwright
