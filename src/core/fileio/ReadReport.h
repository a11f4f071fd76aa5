#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tapwright {

// Lines (or records) of one kind that a read passed over or changed: how many, and the
// first of them, so that the user can find it.
struct NotedLines {
    std::int64_t count = 0;
    std::int64_t first = 0;     // line or record number, from 1
    std::string firstText;      // the first line's text, when it helps

    void Note(std::int64_t where, std::string_view text = {});
};

// What a read of a coefficient file did beyond reading every record to the end of the
// file: where it stopped and why, and which values it passed over or changed. A read that
// noted nothing says nothing; otherwise the user gets one message that tells it all.
struct ReadReport {
    std::string fileName;
    bool byLine = true;  // places are lines of text, otherwise records of a binary file
    bool twoColumns = false;
    std::int64_t pointsRead = 0;

    // Why reading stopped before the end of the file ("line 3 holds no number that can be
    // read: "abc""); empty when it read to the end.
    std::string stoppedAt;
    // What was left unread after that place ("1 more line was not read.").
    std::string leftUnread;

    NotedLines moreNumbers;   // lines with more numbers than were read
    NotedLines otherText;     // lines with text that is no number after their numbers
    NotedLines wrapped;       // words that did not fit and kept their low bits
    std::optional<std::int64_t> announced;  // a count the file announced, when it differs

    // Whether there is anything to tell.
    bool HasNotes() const;

    // The message about this file: how many values were read, then each note on a line.
    std::string Describe() const;
};

// A line of a file quoted in a message: its start only, with control characters made "?".
std::string QuotedLine(std::string_view text);

// "1 line" or "3 lines".
std::string Counted(std::int64_t count, const char* one, const char* many);

// The message about several files read for one import, one paragraph per file with notes;
// empty when none has any.
std::string DescribeReads(const std::vector<const ReadReport*>& reports);

}  // namespace tapwright
