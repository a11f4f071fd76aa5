#pragma once

#include <string>

namespace tapwright {

// Whether the path names a regular file that can be opened for reading.
bool CanOpenForReading(const std::string& path);

bool DirectoryExists(const std::string& path);

// The directory part of a path without its final separator ("/a/b" for "/a/b/c.txt", "/" for
// "/c.txt") and the name after it; a name without a directory has an empty directory.
std::string DirectoryOf(const std::string& path);
std::string FileTitleOf(const std::string& path);
// The directory part with its separator: what a new name is appended to.
std::string DirectoryPrefixOf(const std::string& path);

}  // namespace tapwright
