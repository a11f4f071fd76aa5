#include "platform/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tapwright {

namespace {

namespace fs = std::filesystem;

// Saves hand the bytes over in pieces of this size, so that a failing device is noticed
// where it fails.
constexpr std::size_t kWriteChunk = 64 * 1024;
constexpr int kTemporaryNameAttempts = 16;
// As many links as the system itself follows before it gives up on a loop.
constexpr int kMaxSymbolicLinks = 40;
// The name length of a file system that does not tell its own.
constexpr long kDefaultNameMax = 255;

struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, Closer>;

std::string Reason(int error) {
    return std::generic_category().message(error);
}
std::string Reason(std::errc error) {
    return std::make_error_code(error).message();
}

// What a save does with the file a path names.
enum class DestinationKind {
    Replace,    // a regular file or a new name: a temporary file renamed over it
    WriteInto,  // a character device or a named pipe: the bytes go straight into it
};

struct Destination {
    DestinationKind kind = DestinationKind::Replace;
    // The file written: for a replacement, the end of the chain of symbolic links (it may
    // not exist yet); for a device or a pipe, the path as given.
    fs::path path;
};

// Why a file of this type is neither replaced nor written into, or nothing.
std::optional<std::string> SpecialFileRefusal(const struct stat& status) {
    if (S_ISDIR(status.st_mode)) {
        return Reason(std::errc::is_a_directory);
    }
    if (S_ISBLK(status.st_mode)) {
        return "It is a block device, which is never written to";
    }
    if (S_ISSOCK(status.st_mode)) {
        return "It is a socket, which cannot be written to";
    }
    return std::nullopt;
}

// The end of the chain of symbolic links that starts at path, where the chain ends in a
// name that does not exist yet (a dangling link). A link target is relative to the
// directory of the link.
std::optional<fs::path> FollowDanglingLinks(const fs::path& path, std::string& reason) {
    fs::path current = path;
    for (int hops = 0; hops <= kMaxSymbolicLinks; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error))) {
            return current;
        }
        const fs::path target = fs::read_symlink(current, error);
        if (error) {
            reason = Reason(error.value());
            return std::nullopt;
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    reason = Reason(ELOOP);
    return std::nullopt;
}

// How a save reaches the file that path names, following symbolic links; nothing, with the
// reason, when it cannot be written at all.
std::optional<Destination> FindDestination(const std::string& path, std::string& reason) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        const int error = errno;
        if (error != ENOENT) {
            reason = Reason(error);
            return std::nullopt;
        }
        const std::optional<fs::path> target = FollowDanglingLinks(path, reason);
        if (!target) {
            return std::nullopt;
        }
        return Destination{DestinationKind::Replace, *target};
    }
    if (auto refused = SpecialFileRefusal(status)) {
        reason = *refused;
        return std::nullopt;
    }
    if (S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode)) {
        return Destination{DestinationKind::WriteInto, path};
    }
    std::error_code error;
    fs::path resolved = fs::canonical(path, error);
    if (error) {
        reason = Reason(error.value());
        return std::nullopt;
    }
    return Destination{DestinationKind::Replace, std::move(resolved)};
}

// The longest file name the directory's file system takes.
std::size_t NameMaxOf(const fs::path& directory) {
    const long limit = ::pathconf(directory.c_str(), _PC_NAME_MAX);
    return static_cast<std::size_t>(limit > 0 ? limit : kDefaultNameMax);
}

// The name of a temporary file beside the destination: the destination's name between a
// dot and a random number, shortened where the whole would exceed the file system's name
// length. The cut never splits a UTF-8 character.
std::string TemporaryName(const std::string& name, std::uint32_t number, std::size_t nameMax) {
    const std::string suffix = "." + std::to_string(number) + ".tmp";
    std::string prefix = "." + name;
    if (prefix.size() + suffix.size() > nameMax) {
        std::size_t keep = nameMax > suffix.size() ? nameMax - suffix.size() : 1;
        while (keep > 1 && (static_cast<unsigned char>(prefix[keep]) & 0xC0u) == 0x80u) {
            --keep;
        }
        prefix.resize(keep);
    }
    return prefix + suffix;
}

// A temporary file beside the destination, created new (never an existing file opened).
FilePtr CreateTemporary(const fs::path& destination, fs::path& temporary, int& error) {
    std::mt19937 random(std::random_device{}());
    const fs::path directory =
        destination.has_parent_path() ? destination.parent_path() : fs::path(".");
    const std::size_t nameMax = NameMaxOf(directory);
    error = 0;
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporary = directory / TemporaryName(destination.filename().string(),
                                              static_cast<std::uint32_t>(random() % 1000000u),
                                              nameMax);
        errno = 0;
        FilePtr file(std::fopen(temporary.c_str(), "wbx"));
        if (file) {
            return file;
        }
        error = errno != 0 ? errno : EIO;
        if (error != EEXIST) {
            break;
        }
    }
    return nullptr;
}

// Writes and closes the file; 0 or the error number.
int WriteAndClose(FilePtr file, std::span<const std::uint8_t> bytes, FileWriter& writer) {
    for (std::size_t offset = 0; offset < bytes.size(); offset += kWriteChunk) {
        const std::size_t size = std::min(kWriteChunk, bytes.size() - offset);
        if (const int error = writer.Append(file.get(), bytes.subspan(offset, size)); error != 0) {
            return error;
        }
    }
    errno = 0;
    const bool flushed = std::fflush(file.get()) == 0;
    const int flushError = errno;
    // Closing reports a delayed write error of the device too.
    errno = 0;
    const bool closed = std::fclose(file.release()) == 0;
    if (!flushed) {
        return flushError != 0 ? flushError : EIO;
    }
    if (!closed) {
        return errno != 0 ? errno : EIO;
    }
    return 0;
}

// Opens a character device or a named pipe for writing. A pipe that nobody reads is
// refused at once instead of waiting for a reader for ever.
FilePtr OpenSpecialFile(const std::string& path, int& error) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        error = errno;
        return nullptr;
    }
    // Once open, the bytes are written as to any file: waiting while the reader catches up.
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        error = errno;
        ::close(descriptor);
        return nullptr;
    }
    FilePtr file(::fdopen(descriptor, "wb"));
    if (!file) {
        error = errno != 0 ? errno : EIO;
        ::close(descriptor);
    }
    return file;
}

// Puts the bytes straight into a character device or a named pipe.
std::optional<std::string> WriteInto(const std::string& path, std::span<const std::uint8_t> bytes,
                                     FileWriter& writer) {
    struct stat status {};
    const bool isPipe = ::stat(path.c_str(), &status) == 0 && S_ISFIFO(status.st_mode);
    int error = 0;
    FilePtr file = OpenSpecialFile(path, error);
    if (!file) {
        if (isPipe && error == ENXIO) {
            return std::string("It is a named pipe that no program reads");
        }
        return Reason(error != 0 ? error : EIO);
    }
    if (const int failed = WriteAndClose(std::move(file), bytes, writer); failed != 0) {
        return Reason(failed);
    }
    return std::nullopt;
}

// Writes the bytes to a temporary file beside destination and renames it over destination.
std::optional<std::string> Replace(const fs::path& destination,
                                   std::span<const std::uint8_t> bytes, FileWriter& writer) {
    std::error_code status;
    const bool exists = fs::exists(destination, status);

    fs::path temporary;
    int error = 0;
    FilePtr file = CreateTemporary(destination, temporary, error);
    if (!file) {
        return Reason(error);
    }
    std::error_code ignored;
    if (exists) {
        fs::permissions(temporary, fs::status(destination, ignored).permissions(), ignored);
    }
    error = WriteAndClose(std::move(file), bytes, writer);
    if (error == 0) {
        std::error_code renamed;
        fs::rename(temporary, destination, renamed);
        if (!renamed) {
            return std::nullopt;
        }
        error = renamed.value();
    }
    fs::remove(temporary, ignored);
    return Reason(error);
}

// Why the destination cannot be written, or nothing.
std::optional<std::string> CheckDestination(const Destination& destination) {
    if (destination.kind == DestinationKind::WriteInto) {
        if (::access(destination.path.c_str(), W_OK) != 0) {
            return Reason(errno);
        }
        return std::nullopt;
    }
    std::error_code status;
    if (fs::is_directory(destination.path, status)) {
        return Reason(std::errc::is_a_directory);
    }
    const fs::path directory =
        destination.path.has_parent_path() ? destination.path.parent_path() : fs::path(".");
    if (!fs::is_directory(directory, status)) {
        return Reason(std::errc::no_such_file_or_directory);
    }
    // A file the user may not write stays as it is, although renaming over it would work.
    if (fs::exists(destination.path, status) && ::access(destination.path.c_str(), W_OK) != 0) {
        return Reason(errno);
    }
    return std::nullopt;
}

std::string FileTypeName(const struct stat& status) {
    if (S_ISFIFO(status.st_mode)) {
        return "a named pipe";
    }
    if (S_ISCHR(status.st_mode)) {
        return "a character device";
    }
    if (S_ISBLK(status.st_mode)) {
        return "a block device";
    }
    if (S_ISSOCK(status.st_mode)) {
        return "a socket";
    }
    return "a special file";
}

}  // namespace

int FileWriter::Append(std::FILE* stream, std::span<const std::uint8_t> bytes) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size()) {
        return 0;
    }
    return errno != 0 ? errno : EIO;
}

FileWriter& StandardFileWriter() {
    static FileWriter writer;
    return writer;
}

std::optional<std::string> WriteFileReplacing(const std::string& path,
                                              std::span<const std::uint8_t> bytes,
                                              FileWriter& writer) {
    std::string reason;
    const std::optional<Destination> destination = FindDestination(path, reason);
    if (!destination) {
        return reason;
    }
    if (auto refused = CheckDestination(*destination)) {
        return refused;
    }
    if (destination->kind == DestinationKind::WriteInto) {
        return WriteInto(path, bytes, writer);
    }
    return Replace(destination->path, bytes, writer);
}

std::optional<std::string> WriteFileReplacing(const std::string& path, std::string_view bytes,
                                              FileWriter& writer) {
    return WriteFileReplacing(
        path,
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                      bytes.size()),
        writer);
}

const std::string kFileTooLargeReason = "The file is larger than 64 MB.";

std::optional<std::string> CheckWritable(const std::string& path) {
    std::string reason;
    const std::optional<Destination> destination = FindDestination(path, reason);
    if (!destination) {
        return reason;
    }
    return CheckDestination(*destination);
}

std::optional<std::string> SpecialFileReason(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || S_ISREG(status.st_mode) ||
        S_ISDIR(status.st_mode)) {
        return std::nullopt;
    }
    return "It is " + FileTypeName(status) + ", not a file that can be read";
}

std::optional<std::string> CheckRegularFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return Reason(errno);
    }
    if (S_ISDIR(status.st_mode)) {
        return Reason(std::errc::is_a_directory);
    }
    return SpecialFileReason(path);
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path,
                                                       std::string& reason, std::size_t limit) {
    // A named pipe or a device would keep the reader waiting, or never end.
    if (auto refused = CheckRegularFile(path)) {
        reason = *refused;
        return std::nullopt;
    }
    errno = 0;
    const FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        reason = Reason(errno != 0 ? errno : EIO);
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    constexpr std::size_t kReadChunk = 64 * 1024;
    // One byte beyond the limit is enough to know that the file is too long.
    while (bytes.size() <= limit) {
        const std::size_t start = bytes.size();
        const std::size_t wanted = std::min(kReadChunk, limit + 1 - start);
        bytes.resize(start + wanted);
        const std::size_t got = std::fread(bytes.data() + start, 1, wanted, file.get());
        bytes.resize(start + got);
        if (got < wanted) {
            break;
        }
    }
    if (std::ferror(file.get()) != 0) {
        reason = Reason(EIO);
        return std::nullopt;
    }
    if (bytes.size() > limit) {
        reason = kFileTooLargeReason;
        return std::nullopt;
    }
    return bytes;
}

}  // namespace tapwright
