#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace sky {

// Where the settings persist: named integer and string values in named sections, as the
// registry's application profile holds them. The desktop program keeps them with
// QSettings; tests keep them in a map.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;

    // Nothing when the value is absent or not of that type.
    virtual std::optional<int> readInt(const std::string& section,
                                       const std::string& key) const = 0;
    virtual std::optional<std::string> readString(const std::string& section,
                                                  const std::string& key) const = 0;
    virtual void writeInt(const std::string& section, const std::string& key, int value) = 0;
    virtual void writeString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    virtual void remove(const std::string& section, const std::string& key) = 0;
    // Removes every value of every section.
    virtual void clear() = 0;
    // Writes what has been set to where the store keeps it; false when that failed (a read-only
    // or full disk). Values set stay readable for the rest of the run either way.
    virtual bool commit() { return true; }
    // Where the store keeps the settings, for messages.
    virtual std::string location() const { return {}; }
};

// Settings held in memory, for tests and for a program run without persisted settings.
class MemorySettingsStore : public ISettingsStore {
public:
    std::optional<int> readInt(const std::string& section, const std::string& key) const override {
        const auto found = ints.find({section, key});
        if (found == ints.end()) return std::nullopt;
        return found->second;
    }
    std::optional<std::string> readString(const std::string& section,
                                          const std::string& key) const override {
        const auto found = strings.find({section, key});
        if (found == strings.end()) return std::nullopt;
        return found->second;
    }
    void writeInt(const std::string& section, const std::string& key, int value) override {
        ints[{section, key}] = value;
    }
    void writeString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        strings[{section, key}] = value;
    }
    void remove(const std::string& section, const std::string& key) override {
        ints.erase({section, key});
        strings.erase({section, key});
    }
    void clear() override {
        ints.clear();
        strings.clear();
    }

    std::map<std::pair<std::string, std::string>, int> ints;
    std::map<std::pair<std::string, std::string>, std::string> strings;
};

}  // namespace sky
