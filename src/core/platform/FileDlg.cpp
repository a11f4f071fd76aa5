#include "platform/FileDlg.h"

namespace tapwright {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

std::vector<FileFilter> CFileDlg::ParseFilters(std::string_view text) {
    std::vector<std::string_view> parts;
    while (!text.empty()) {
        const auto bar = text.find('|');
        const std::string_view part = Trimmed(text.substr(0, bar));
        if (part.empty()) {
            break;
        }
        parts.push_back(part);
        if (bar == std::string_view::npos) {
            break;
        }
        text.remove_prefix(bar + 1);
    }
    std::vector<FileFilter> filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        filters.push_back({std::string(parts[i]), std::string(parts[i + 1])});
    }
    return filters;
}

}  // namespace tapwright
