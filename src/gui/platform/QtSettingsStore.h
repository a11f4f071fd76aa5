#pragma once

#include <QString>

#include <memory>

#include "platform/SettingsStore.h"

class QSettings;

namespace tapwright::gui {

// The per-user settings store of the desktop program on QSettings. Each section is a group
// and each key a value within it.
class QtSettingsStore final : public SettingsStore {
public:
    static constexpr const char* kOrganization = "Quillon International Corporation";
    static constexpr const char* kApplication = "Tapwright";

    // The user's own store of the program.
    QtSettingsStore();
    // A store in the given INI file, for runs that must keep away from the user's settings.
    explicit QtSettingsStore(const QString& iniPath);
    ~QtSettingsStore() override;
    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    // A value that is missing or is not an integer in full (text such as "12x", or a
    // number beyond 32 bits) gives the fallback.
    std::int32_t GetInt(const std::string& section, const std::string& key,
                        std::int32_t fallback) const override;
    std::string GetText(const std::string& section, const std::string& key,
                        const std::string& fallback) const override;
    void SetInt(const std::string& section, const std::string& key, std::int32_t value) override;
    void SetText(const std::string& section, const std::string& key,
                 const std::string& value) override;

    // Writes what has changed to permanent storage now rather than when the store is gone.
    void Flush();

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace tapwright::gui
