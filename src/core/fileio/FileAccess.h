#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tapwright {

// More than any coefficient file needs (a 10,000-point complex file in the widest text
// format is under 400 KB), yet small enough to hold in memory; a longer file is read as if
// it ended there.
inline constexpr std::size_t kMaxCoefficientFileBytes = 64u * 1024u * 1024u;

// The bytes of a file, at most `limit` of them. Nothing when it cannot be opened for
// reading (missing, a directory, not permitted).
std::optional<std::string> ReadFileBytes(const std::string& path,
                                         std::size_t limit = kMaxCoefficientFileBytes);

// Whether the file exists and can be opened for reading.
bool CanOpenForReading(const std::string& path);

bool DirectoryExists(const std::string& path);

// The directory part of a path without its final separator ("/a/b" for "/a/b/c.txt", "/" for
// "/c.txt") and the name after it; a name without a directory has an empty directory.
std::string DirectoryOf(const std::string& path);
std::string FileTitleOf(const std::string& path);
// The directory part with its separator: what a new name is appended to.
std::string DirectoryPrefixOf(const std::string& path);

// A file written under a temporary name in the directory of its destination and renamed over
// it only once everything is on disk, so that a failed or abandoned write leaves an existing
// file byte for byte as it was and no temporary file behind. A symbolic link is followed, so
// the file it names is replaced, and the permissions of a replaced file are kept.
class ReplacingFile {
public:
    explicit ReplacingFile(const std::string& destination);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // False when the destination cannot be written: its directory is missing or not
    // writable, it is a directory, or it exists without write permission.
    bool IsOpen() const { return stream_ != nullptr; }

    // Writes the bytes and puts the file in place. False when any step fails, in which case
    // the destination is unchanged.
    bool Commit(std::string_view bytes);

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    void Discard();

    std::string destination_;
    std::string temporary_;
    std::unique_ptr<std::FILE, Closer> stream_;
};

}  // namespace tapwright
