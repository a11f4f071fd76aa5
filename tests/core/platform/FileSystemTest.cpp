#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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

    std::string ReadText(const std::string& name) const {
        std::ifstream in(PathOf(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The names in the directory: a save leaves no temporary file behind.
    std::size_t EntryCount() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(directory_), fs::directory_iterator()));
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

TEST_F(FileSystemTest, ASymbolicLinkIsWrittenThroughToItsTargetAndStays) {
    WriteBytes("target.txt", 10);
    fs::create_symlink("target.txt", PathOf("link.txt"));
    ASSERT_FALSE(WriteFileReplacing(PathOf("link.txt"), std::string_view("new")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(PathOf("link.txt"))));
    EXPECT_EQ(ReadText("target.txt"), "new");

    // A dangling link makes the file it names.
    fs::create_symlink("later/made.txt", PathOf("dangling.txt"));
    fs::create_directory(PathOf("later"));
    ASSERT_FALSE(WriteFileReplacing(PathOf("dangling.txt"), std::string_view("made")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(PathOf("dangling.txt"))));
    EXPECT_EQ(ReadText("later/made.txt"), "made");
    EXPECT_EQ(EntryCount(), 4U);
}

TEST_F(FileSystemTest, ASymbolicLinkLoopIsRefusedAndKept) {
    fs::create_symlink("b", PathOf("a"));
    fs::create_symlink("a", PathOf("b"));
    EXPECT_EQ(WriteFileReplacing(PathOf("a"), std::string_view("x")),
              std::optional<std::string>("Too many levels of symbolic links"));
    EXPECT_TRUE(CheckWritable(PathOf("a")).has_value());
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(PathOf("a"))));
    EXPECT_EQ(EntryCount(), 2U);
}

// Device nodes are made in the test's own directory, so that a faulty save could only ever
// replace those, never the system's.
TEST_F(FileSystemTest, ADeviceIsWrittenIntoAndNeverReplaced) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "making a device node needs root";
    }
    // The devices of /dev/null and /dev/full.
    ASSERT_EQ(::mknod(PathOf("mynull").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    ASSERT_EQ(::mknod(PathOf("myfull").c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);
    fs::create_symlink("myfull", PathOf("full"));

    EXPECT_FALSE(CheckWritable(PathOf("mynull")).has_value());
    EXPECT_FALSE(WriteFileReplacing(PathOf("mynull"), std::string(952, 'x')).has_value());
    EXPECT_EQ(WriteFileReplacing(PathOf("full"), std::string_view("1\r\n")),
              std::optional<std::string>("No space left on device"));
    EXPECT_TRUE(fs::is_character_file(PathOf("mynull")));
    EXPECT_TRUE(fs::is_character_file(PathOf("myfull")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(PathOf("full"))));
    EXPECT_EQ(EntryCount(), 3U);
}

TEST_F(FileSystemTest, ANamedPipeIsWrittenIntoWhileReadAndRefusedWhenNobodyReads) {
    ASSERT_EQ(::mkfifo(PathOf("pipe").c_str(), 0600), 0);
    EXPECT_TRUE(WriteFileReplacing(PathOf("pipe"), std::string_view("x")).has_value());
    EXPECT_TRUE(fs::is_fifo(PathOf("pipe")));

    auto reader = std::async(std::launch::async, [this] { return ReadText("pipe"); });
    // The reader may not have opened the pipe yet: try until it has.
    std::optional<std::string> failure;
    do {
        failure = WriteFileReplacing(PathOf("pipe"), std::string_view("0.5\r\n"));
    } while (failure.has_value() && reader.wait_for(std::chrono::milliseconds(1)) ==
                                        std::future_status::timeout);
    EXPECT_FALSE(failure.has_value());
    EXPECT_EQ(reader.get(), "0.5\r\n");
    EXPECT_TRUE(fs::is_fifo(PathOf("pipe")));
    EXPECT_EQ(EntryCount(), 1U);
}

TEST_F(FileSystemTest, OnlyRegularFilesAreOpenedForReading) {
    ASSERT_EQ(::mkfifo(PathOf("pipe").c_str(), 0600), 0);
    std::string reason;
    // Opening the pipe would wait for a writer for ever.
    EXPECT_FALSE(ReadWholeFile(PathOf("pipe"), reason).has_value());
    EXPECT_EQ(reason, "It is a named pipe, not a file that can be read");
    EXPECT_FALSE(ReadWholeFile("/dev/zero", reason).has_value());
    EXPECT_EQ(reason, "It is a character device, not a file that can be read");
    EXPECT_FALSE(ReadWholeFile(directory_.string(), reason).has_value());
    EXPECT_EQ(reason, "Is a directory");
    WriteBytes("plain.txt", 3);
    EXPECT_FALSE(CheckRegularFile(PathOf("plain.txt")).has_value());
}

TEST_F(FileSystemTest, NamesUpToTheLongestTheFileSystemTakesCanBeSaved) {
    for (const std::size_t length : {243U, 250U, 255U}) {
        const std::string name(length, 'n');
        ASSERT_FALSE(WriteFileReplacing(PathOf(name), std::string_view("1"))) << length;
        EXPECT_EQ(ReadText(name), "1");
        fs::remove(PathOf(name));
    }
    // A cut in a long name of two-byte characters keeps whole characters.
    std::string accented;
    while (accented.size() < 254) {
        accented += "\xC3\xA9";
    }
    ASSERT_FALSE(WriteFileReplacing(PathOf(accented), std::string_view("2")));
    EXPECT_EQ(ReadText(accented), "2");
    EXPECT_EQ(EntryCount(), 1U);
}

}  // namespace
}  // namespace tapwright
