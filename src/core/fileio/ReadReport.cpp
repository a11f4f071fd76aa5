#include "fileio/ReadReport.h"

namespace tapwright {

namespace {

// A line quoted in a message: short, and with nothing that would upset a terminal.
constexpr std::size_t kQuotedCharacters = 40;

}  // namespace

std::string QuotedLine(std::string_view text) {
    std::string quoted;
    for (const char c : text.substr(0, kQuotedCharacters)) {
        const auto byte = static_cast<unsigned char>(c);
        quoted += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    if (text.size() > kQuotedCharacters) {
        quoted += "...";
    }
    return "\"" + quoted + "\"";
}

std::string Counted(std::int64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

namespace {

std::string FirstOf(const NotedLines& noted, bool byLine) {
    std::string text = std::string(" (") + (noted.count == 1 ? "" : "the first is ") +
                       (byLine ? "line " : "record ") + std::to_string(noted.first);
    if (!noted.firstText.empty()) {
        text += ": " + QuotedLine(noted.firstText);
    }
    return text + ")";
}

}  // namespace

void NotedLines::Note(std::int64_t where, std::string_view text) {
    if (count++ == 0) {
        first = where;
        firstText = std::string(text.substr(0, kQuotedCharacters + 1));
    }
}

bool ReadReport::HasNotes() const {
    return !stoppedAt.empty() || moreNumbers.count > 0 || otherText.count > 0 ||
           wrapped.count > 0 || announced.has_value();
}

std::string ReadReport::Describe() const {
    std::string text = "Read " + std::to_string(pointsRead) +
                       (twoColumns ? (pointsRead == 1 ? " point" : " points")
                                   : (pointsRead == 1 ? " value" : " values")) +
                       (twoColumns ? " (Inphase and Quadrature)" : "") + " from \"" + fileName +
                       "\".";
    const char* has = byLine ? " held" : " had";
    if (moreNumbers.count > 0) {
        text += "\n" + Counted(moreNumbers.count, "line", "lines") + has +
                " more numbers than were read, and the others were passed over" +
                FirstOf(moreNumbers, byLine) + ".";
    }
    if (otherText.count > 0) {
        text += "\n" + Counted(otherText.count, "line", "lines") + has +
                " text that is not part of a number, which was passed over" +
                FirstOf(otherText, byLine) + ".";
    }
    if (wrapped.count > 0) {
        text += "\n" + Counted(wrapped.count, "line", "lines") + has +
                " a word too long for its bits, which kept only its low bits" +
                FirstOf(wrapped, byLine) + ".";
    }
    if (announced) {
        text += "\nThe file announces " + Counted(*announced, "value", "values") + ".";
    }
    if (!stoppedAt.empty()) {
        text += "\nReading stopped at " + stoppedAt + ".";
        if (!leftUnread.empty()) {
            text += " " + leftUnread;
        }
    }
    return text;
}

std::string DescribeReads(const std::vector<const ReadReport*>& reports) {
    std::string text;
    for (const ReadReport* report : reports) {
        if (report == nullptr || !report->HasNotes()) {
            continue;
        }
        text += (text.empty() ? "" : "\n\n") + report->Describe();
    }
    return text;
}

}  // namespace tapwright
