#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <variant>

namespace tapwright {

// The per-user store of application settings: named values in named sections. A value that
// is missing (or cannot be read as what is asked for) gives the caller's fallback.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::int32_t GetInt(const std::string& section, const std::string& key,
                                std::int32_t fallback) const = 0;
    virtual std::string GetText(const std::string& section, const std::string& key,
                                const std::string& fallback) const = 0;

    virtual void SetInt(const std::string& section, const std::string& key, std::int32_t value) = 0;
    virtual void SetText(const std::string& section, const std::string& key,
                         const std::string& value) = 0;
};

// A settings store that lives in memory, for tests and for runs that must not touch the
// user's settings. Like a text-based store it reads a text value as an integer when the
// whole text is one, and an integer value as its decimal text.
class MemorySettingsStore final : public SettingsStore {
public:
    std::int32_t GetInt(const std::string& section, const std::string& key,
                        std::int32_t fallback) const override;
    std::string GetText(const std::string& section, const std::string& key,
                        const std::string& fallback) const override;
    void SetInt(const std::string& section, const std::string& key, std::int32_t value) override;
    void SetText(const std::string& section, const std::string& key,
                 const std::string& value) override;

    bool Contains(const std::string& section, const std::string& key) const;
    std::size_t Size() const { return values_.size(); }

private:
    using Value = std::variant<std::int32_t, std::string>;
    std::map<std::pair<std::string, std::string>, Value> values_;
};

}  // namespace tapwright
