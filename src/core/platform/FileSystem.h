#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tapwright {

// The step of a save that puts bytes into the open temporary file. Tests replace it to make
// a write fail part way through, as a full disk would.
class FileWriter {
public:
    virtual ~FileWriter() = default;

    // Appends the bytes to the stream: 0 when all of them were written, otherwise the error
    // number (an errno value) of the failure.
    virtual int Append(std::FILE* stream, std::span<const std::uint8_t> bytes);
};

// The writer of ordinary saves.
FileWriter& StandardFileWriter();

// Writes the bytes to path through a temporary file in the same directory, which is renamed
// over path only once every byte has been written and the file is closed. Symbolic links are
// followed to the file they name (which a dangling link creates), and a replaced file keeps
// its permissions. What is not a regular file is never replaced: the bytes go straight into
// a character device or a named pipe (one that no program reads is refused), and a
// directory, a block device or a socket is refused. Returns the reason of a failure
// (nothing on success); a replaced file is then as it was, and no temporary file is left.
std::optional<std::string> WriteFileReplacing(const std::string& path,
                                              std::span<const std::uint8_t> bytes,
                                              FileWriter& writer = StandardFileWriter());

// The same for text or other bytes held in a string.
std::optional<std::string> WriteFileReplacing(const std::string& path, std::string_view bytes,
                                              FileWriter& writer = StandardFileWriter());

// Why the path cannot be written (a directory, a missing directory, a file without write
// permission), or nothing when a write may go ahead. Callers check this before they ask the
// user anything about the contents.
std::optional<std::string> CheckWritable(const std::string& path);

// Why the path names nothing that can be read whole: a missing file, a directory, a named
// pipe, a device or a socket (nothing is opened to find out). Nothing for a regular file.
std::optional<std::string> CheckRegularFile(const std::string& path);

// The reason for a path that names an existing named pipe, device or socket; nothing for a
// regular file, a directory or a missing file.
std::optional<std::string> SpecialFileReason(const std::string& path);

// Every file the program reads (projects, coefficient and plot files) is small: a filter
// holds at most 10,000 taps per channel. A longer file is refused rather than read in part.
inline constexpr std::size_t kMaxReadFileBytes = 64u * 1024u * 1024u;

// The reason ReadWholeFile gives for a file longer than kMaxReadFileBytes.
extern const std::string kFileTooLargeReason;

// The whole file, or nothing with the reason in reason. Only a regular file is opened; a file
// longer than the limit is refused with kFileTooLargeReason.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path,
                                                       std::string& reason,
                                                       std::size_t limit = kMaxReadFileBytes);

}  // namespace tapwright
