#include "fileio/FileAccess.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/FileSystem.h"

namespace tapwright {

namespace {

namespace fs = std::filesystem;

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

FilePtr Open(const std::string& path, const char* mode) {
    return FilePtr(std::fopen(path.c_str(), mode), &std::fclose);
}

bool IsDirectory(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

}  // namespace

bool DirectoryExists(const std::string& path) { return IsDirectory(path); }

std::string DirectoryPrefixOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string JoinedPath(const std::string& previousPath, const std::string& name) {
    if (!name.empty() && name.front() == '/') {
        return name;
    }
    return DirectoryPrefixOf(previousPath) + name;
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

std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& path,
                                                       std::size_t maxBytes) {
    std::error_code error;
    // Anything else (a FIFO, a device) could keep the reader waiting or never end.
    if (!fs::is_regular_file(path, error)) {
        return std::nullopt;
    }
    const FilePtr file = Open(path, "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(maxBytes);
    const std::size_t got = std::fread(bytes.data(), 1, maxBytes, file.get());
    if (std::ferror(file.get()) != 0) {
        return std::nullopt;
    }
    bytes.resize(got);
    return bytes;
}

bool CanOpenForReading(const std::string& path) {
    // Only a regular file is opened: opening a named pipe waits for a writer.
    return !CheckRegularFile(path) && Open(path, "rb") != nullptr;
}

}  // namespace tapwright
