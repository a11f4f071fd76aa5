#include "platform/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

namespace tapwright {

namespace {

namespace fs = std::filesystem;

// Saves hand the bytes over in pieces of this size, so that a failing device is noticed
// where it fails.
constexpr std::size_t kWriteChunk = 64 * 1024;
constexpr int kTemporaryNameAttempts = 16;

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

// The file a path names: the target of a symbolic link, the path itself otherwise.
fs::path ResolvedDestination(const std::string& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) {
        return path;
    }
    const fs::path target = fs::weakly_canonical(path, error);
    return error ? fs::path(path) : target;
}

// A temporary file beside the destination, created new (never an existing file opened).
FilePtr CreateTemporary(const fs::path& destination, fs::path& temporary, int& error) {
    std::mt19937 random(std::random_device{}());
    error = 0;
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporary = destination.parent_path() / ("." + destination.filename().string() + "." +
                                                 std::to_string(random() % 1000000u) + ".tmp");
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

// Writes and closes the temporary file; 0 or the error number.
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

// Why the resolved destination cannot be replaced, or nothing.
std::optional<std::string> CheckDestination(const fs::path& destination) {
    std::error_code status;
    if (fs::is_directory(destination, status)) {
        return Reason(std::errc::is_a_directory);
    }
    const fs::path directory =
        destination.has_parent_path() ? destination.parent_path() : fs::path(".");
    if (!fs::is_directory(directory, status)) {
        return Reason(std::errc::no_such_file_or_directory);
    }
    // A file the user may not write stays as it is, although renaming over it would work.
    errno = 0;
    if (fs::exists(destination, status) && !FilePtr(std::fopen(destination.c_str(), "r+b"))) {
        return Reason(errno != 0 ? errno : EACCES);
    }
    return std::nullopt;
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
    const fs::path destination = ResolvedDestination(path);
    if (auto refused = CheckDestination(destination)) {
        return refused;
    }
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
    return CheckDestination(ResolvedDestination(path));
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path,
                                                       std::string& reason, std::size_t limit) {
    std::error_code status;
    if (fs::is_directory(path, status)) {
        reason = Reason(std::errc::is_a_directory);
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
