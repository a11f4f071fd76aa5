#include "fileio/FileAccess.h"

#include <filesystem>
#include <random>
#include <system_error>

namespace tapwright {

namespace {

namespace fs = std::filesystem;

constexpr int kTemporaryNameAttempts = 16;
constexpr std::size_t kReadChunk = 64 * 1024;

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

FilePtr Open(const std::string& path, const char* mode) {
    return FilePtr(std::fopen(path.c_str(), mode), &std::fclose);
}

bool IsDirectory(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

// The file a path names: the target of a symbolic link, the path itself otherwise.
std::string ResolvedDestination(const std::string& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) {
        return path;
    }
    const fs::path target = fs::canonical(path, error);
    return error ? path : target.string();
}

std::string TemporaryName(const std::string& destination, std::mt19937& random) {
    const fs::path target(destination);
    const std::string name = "." + target.filename().string() + "." +
                             std::to_string(random() % 1000000u) + ".tmp";
    return (target.parent_path() / name).string();
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t limit) {
    if (IsDirectory(path)) {
        return std::nullopt;
    }
    const FilePtr file = Open(path, "rb");
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    while (bytes.size() < limit) {
        const std::size_t start = bytes.size();
        const std::size_t wanted = std::min(kReadChunk, limit - start);
        bytes.resize(start + wanted);
        const std::size_t got = std::fread(bytes.data() + start, 1, wanted, file.get());
        bytes.resize(start + got);
        if (got < wanted) {
            break;
        }
    }
    return bytes;
}

bool DirectoryExists(const std::string& path) { return IsDirectory(path); }

std::string DirectoryPrefixOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string DirectoryOf(const std::string& path) {
    std::string directory = DirectoryPrefixOf(path);
    if (directory.size() > 1) {
        directory.pop_back();
    }
    return directory;
}

std::string FileTitleOf(const std::string& path) {
    return path.substr(DirectoryPrefixOf(path).size());
}

bool CanOpenForReading(const std::string& path) {
    return !IsDirectory(path) && Open(path, "rb") != nullptr;
}

ReplacingFile::ReplacingFile(const std::string& destination)
    : destination_(ResolvedDestination(destination)) {
    if (IsDirectory(destination_)) {
        return;
    }
    // An existing file that may not be written stays as it is, as if it could not be opened.
    if (Exists(destination_) && !Open(destination_, "r+b")) {
        return;
    }
    std::mt19937 random(std::random_device{}());
    for (int attempt = 0; attempt < kTemporaryNameAttempts && !stream_; ++attempt) {
        temporary_ = TemporaryName(destination_, random);
        // "x": never open a file that already exists under the temporary name.
        stream_.reset(std::fopen(temporary_.c_str(), "wbx"));
    }
    if (!stream_) {
        temporary_.clear();
        return;
    }
    std::error_code error;
    const fs::file_status existing = fs::status(destination_, error);
    if (!error && fs::exists(existing)) {
        fs::permissions(temporary_, existing.permissions(), error);
    }
}

ReplacingFile::~ReplacingFile() { Discard(); }

void ReplacingFile::Discard() {
    stream_.reset();
    if (!temporary_.empty()) {
        std::error_code ignored;
        fs::remove(temporary_, ignored);
        temporary_.clear();
    }
}

bool ReplacingFile::Commit(std::string_view bytes) {
    if (!stream_) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream_.get()) == bytes.size() &&
                         std::fflush(stream_.get()) == 0;
    const bool closed = std::fclose(stream_.release()) == 0;
    if (!written || !closed) {
        Discard();
        return false;
    }
    std::error_code error;
    fs::rename(temporary_, destination_, error);
    if (error) {
        Discard();
        return false;
    }
    temporary_.clear();
    return true;
}

}  // namespace tapwright
