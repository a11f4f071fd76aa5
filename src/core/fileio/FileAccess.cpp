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
    // Only a regular file is opened: opening a named pipe waits for a writer.
    return !CheckRegularFile(path) && Open(path, "rb") != nullptr;
}

}  // namespace tapwright
