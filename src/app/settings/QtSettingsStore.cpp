#include "app/settings/QtSettingsStore.h"

namespace sky::app {

namespace {

QString keyOf(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, "Orvel", "Skylister") {}

std::optional<int> QtSettingsStore::readInt(const std::string& section,
                                            const std::string& key) const {
    const QVariant value = settings_.value(keyOf(section, key));
    if (!value.isValid()) return std::nullopt;
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok) return std::nullopt;
    return number;
}

std::optional<std::string> QtSettingsStore::readString(const std::string& section,
                                                       const std::string& key) const {
    const QVariant value = settings_.value(keyOf(section, key));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

void QtSettingsStore::writeInt(const std::string& section, const std::string& key, int value) {
    settings_.setValue(keyOf(section, key), value);
}

void QtSettingsStore::writeString(const std::string& section, const std::string& key,
                                  const std::string& value) {
    settings_.setValue(keyOf(section, key), QString::fromStdString(value));
}

void QtSettingsStore::remove(const std::string& section, const std::string& key) {
    settings_.remove(keyOf(section, key));
}

void QtSettingsStore::clear() {
    settings_.clear();
}

bool QtSettingsStore::commit() {
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

std::string QtSettingsStore::location() const {
    return settings_.fileName().toStdString();
}

}  // namespace sky::app
