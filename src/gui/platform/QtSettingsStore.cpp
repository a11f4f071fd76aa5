#include "gui/platform/QtSettingsStore.h"

#include <QSettings>
#include <QStringList>

#include "gui/platform/CoreText.h"

namespace tapwright::gui {

namespace {

QString PathOf(const std::string& section, const std::string& key) {
    return ToQString(section) + '/' + ToQString(key);
}

// An INI file edited by hand may hold a list ("a, b") where a text was stored; it reads back
// as the text it was written from.
QString TextOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(", ");
    }
    return value.toString();
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(kOrganization, kApplication)) {}

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

std::int32_t QtSettingsStore::GetInt(const std::string& section, const std::string& key,
                                     std::int32_t fallback) const {
    const QVariant value = settings_->value(PathOf(section, key));
    if (!value.isValid()) {
        return fallback;
    }
    bool ok = false;
    const int number = TextOf(value).trimmed().toInt(&ok);
    return ok ? number : fallback;
}

std::string QtSettingsStore::GetText(const std::string& section, const std::string& key,
                                     const std::string& fallback) const {
    const QVariant value = settings_->value(PathOf(section, key));
    return value.isValid() ? ToCoreString(TextOf(value)) : fallback;
}

void QtSettingsStore::SetInt(const std::string& section, const std::string& key,
                             std::int32_t value) {
    settings_->setValue(PathOf(section, key), value);
}

void QtSettingsStore::SetText(const std::string& section, const std::string& key,
                              const std::string& value) {
    settings_->setValue(PathOf(section, key), ToQString(value));
}

void QtSettingsStore::Flush() {
    settings_->sync();
}

}  // namespace tapwright::gui
