#include "platform/SettingsStore.h"

#include <charconv>

namespace tapwright {

std::int32_t MemorySettingsStore::GetInt(const std::string& section, const std::string& key,
                                         std::int32_t fallback) const {
    const auto found = values_.find({section, key});
    if (found == values_.end()) {
        return fallback;
    }
    if (const auto* number = std::get_if<std::int32_t>(&found->second)) {
        return *number;
    }
    const std::string& text = std::get<std::string>(found->second);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : fallback;
}

std::string MemorySettingsStore::GetText(const std::string& section, const std::string& key,
                                         const std::string& fallback) const {
    const auto found = values_.find({section, key});
    if (found == values_.end()) {
        return fallback;
    }
    if (const auto* number = std::get_if<std::int32_t>(&found->second)) {
        return std::to_string(*number);
    }
    return std::get<std::string>(found->second);
}

void MemorySettingsStore::SetInt(const std::string& section, const std::string& key,
                                 std::int32_t value) {
    values_[{section, key}] = value;
}

void MemorySettingsStore::SetText(const std::string& section, const std::string& key,
                                  const std::string& value) {
    values_[{section, key}] = value;
}

bool MemorySettingsStore::Contains(const std::string& section, const std::string& key) const {
    return values_.contains({section, key});
}

}  // namespace tapwright
