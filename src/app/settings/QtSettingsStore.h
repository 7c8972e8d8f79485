#pragma once

#include <QSettings>

#include "shell/SettingsStore.h"

namespace sky::app {

// The settings in QSettings under organisation "Orvel" and application "Skylister"
// (~/.config/Orvel/Skylister.conf): each section is a group, each value a key.
class QtSettingsStore : public ISettingsStore {
public:
    QtSettingsStore();

    std::optional<int> readInt(const std::string& section, const std::string& key) const override;
    std::optional<std::string> readString(const std::string& section,
                                          const std::string& key) const override;
    void writeInt(const std::string& section, const std::string& key, int value) override;
    void writeString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    void remove(const std::string& section, const std::string& key) override;
    void clear() override;
    bool commit() override;
    std::string location() const override;

    QSettings& qsettings() { return settings_; }

private:
    mutable QSettings settings_;
};

}  // namespace sky::app
