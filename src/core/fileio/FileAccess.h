#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tapwright {

// Whether the path names a regular file that can be opened for reading.
bool CanOpenForReading(const std::string& path);

// The first maxBytes bytes of a regular file (all of a shorter one); nothing when it cannot
// be read.
std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& path,
                                                       std::size_t maxBytes);

bool DirectoryExists(const std::string& path);

// The directory part of a path without its final separator ("/a/b" for "/a/b/c.txt", "/" for
// "/c.txt") and the name after it; a name without a directory has an empty directory.
std::string DirectoryOf(const std::string& path);
std::string FileTitleOf(const std::string& path);
// The directory part with its separator: what a new name is appended to.
std::string DirectoryPrefixOf(const std::string& path);

// The path a name typed for a file stands for: an absolute name as typed, a relative one
// joined once to the directory of the file's previous path. An empty name leaves only that
// directory.
std::string JoinedPath(const std::string& previousPath, const std::string& name);

}  // namespace tapwright
