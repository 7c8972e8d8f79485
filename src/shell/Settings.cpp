#include "shell/Settings.h"

#include <algorithm>
#include <string>

#include "editor/model/UndoHistory.h"
#include "serial/TransferHistory.h"

namespace sky {

namespace {

constexpr const char* kPortSection = "CommPort Num";
constexpr const char* kDevicesSection = "CommPort Devices";
constexpr const char* kRecentSection = "Recent File List";
constexpr const char* kNoFolder = "ERROR";

std::string portKey(int port) {
    return "COM" + std::to_string(port);
}
std::string recentKey(int n) {
    return "File" + std::to_string(n);
}

}  // namespace

int Settings::comPort() const {
    return store_.readInt(kPortSection, "Number").value_or(1);
}

void Settings::setComPort(int port) {
    store_.writeInt(kPortSection, "Number", port);
    commit();
}

int Settings::undoLevels() const {
    return std::clamp(readInt("Undo Levels", UndoHistory::kDepth), UndoHistory::kMinDepth,
                      UndoHistory::kMaxDepth);
}

void Settings::setUndoLevels(int levels) {
    store_.writeInt(kSection, "Undo Levels", levels);
    commit();
}

std::optional<std::string> Settings::scanTableFor(const std::string& satellite) const {
    std::optional<std::string> path = store_.readString("Scan Tables", satellite);
    if (path && path->empty()) return std::nullopt;
    return path;
}

void Settings::setScanTableFor(const std::string& satellite, const std::string& path) {
    if (path.empty()) {
        store_.remove("Scan Tables", satellite);
    } else {
        store_.writeString("Scan Tables", satellite, path);
    }
}

int Settings::historyLimitMb() const {
    return std::clamp(readInt("History MB", kDefaultHistoryLimitMb), 1, kMaxHistoryLimitMb);
}

void Settings::setHistoryLimitMb(int megabytes) {
    store_.writeInt(kSection, "History MB", std::clamp(megabytes, 1, kMaxHistoryLimitMb));
}

int Settings::listZoom() const {
    return std::clamp(readInt("List Zoom", 0), kMinZoom, kMaxZoom);
}

void Settings::setListZoom(int points) {
    store_.writeInt(kSection, "List Zoom", std::clamp(points, kMinZoom, kMaxZoom));
    commit();
}

std::optional<std::string> Settings::recentFolder() const {
    const std::string folder = store_.readString(kSection, "RecentFolderPath").value_or(kNoFolder);
    if (folder == kNoFolder) return std::nullopt;
    return folder;
}

void Settings::setRecentFolder(const std::string& folder) {
    store_.writeString(kSection, "RecentFolderPath", folder);
    commit();
}

int Settings::readInt(const char* key, int fallback) const {
    return store_.readInt(kSection, key).value_or(fallback);
}

Rgb Settings::readColour(const char* name, const Rgb& fallback) const {
    const std::string base(name);
    return {readInt((base + ".R").c_str(), fallback.red),
            readInt((base + ".G").c_str(), fallback.green),
            readInt((base + ".B").c_str(), fallback.blue)};
}

void Settings::writeColour(const char* name, const Rgb& colour) {
    const std::string base(name);
    store_.writeInt(kSection, base + ".R", colour.red);
    store_.writeInt(kSection, base + ".G", colour.green);
    store_.writeInt(kSection, base + ".B", colour.blue);
}

ListColours Settings::listColours() const {
    const int fontSize = readInt("Font Size", 0);
    const std::string fontName = store_.readString(kSection, "Font Name").value_or("");
    if (fontSize != 0 && !fontName.empty()) {
        return {savedTextColour(), savedBackgroundColour(), true};
    }
    // No colours of the user's: the list takes the desktop's palette.
    return {};
}

Rgb Settings::savedTextColour() const {
    return readColour("Text Color", kDefaultText);
}

Rgb Settings::savedBackgroundColour() const {
    return readColour("Background Color", kDefaultBackground);
}

void Settings::saveColours(const Rgb& text, const Rgb& background) {
    store_.writeInt(kSection, "Font Size", 10);
    store_.writeString(kSection, "Font Name", "system");
    writeColour("Text Color", text);
    writeColour("Background Color", background);
    commit();
}

std::string Settings::portDevice(int port) const {
    const std::string fallback = "/dev/ttyS" + std::to_string(port - 1);
    return store_.readString(kDevicesSection, portKey(port)).value_or(fallback);
}

void Settings::setPortDevice(int port, const std::string& device) {
    store_.writeString(kDevicesSection, portKey(port), device);
    commit();
}

std::vector<std::string> Settings::recentFiles() const {
    std::vector<std::string> files;
    for (int n = 1; n <= kRecentFiles; ++n) {
        const std::optional<std::string> file = store_.readString(kRecentSection, recentKey(n));
        if (file && !file->empty()) files.push_back(*file);
    }
    return files;
}

void Settings::addRecentFile(const std::string& path) {
    std::vector<std::string> files = recentFiles();
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    files.insert(files.begin(), path);
    if (files.size() > static_cast<std::size_t>(kRecentFiles)) files.resize(kRecentFiles);
    for (int n = 1; n <= kRecentFiles; ++n) {
        if (static_cast<std::size_t>(n) <= files.size()) {
            store_.writeString(kRecentSection, recentKey(n),
                               files[static_cast<std::size_t>(n - 1)]);
        } else {
            store_.remove(kRecentSection, recentKey(n));
        }
    }
    commit();
}

void Settings::resetToDefaults() {
    const std::vector<std::string> files = recentFiles();
    const std::optional<std::string> folder = recentFolder();
    store_.clear();
    for (auto file = files.rbegin(); file != files.rend(); ++file) addRecentFile(*file);
    if (folder) setRecentFolder(*folder);
    commit();
}

void Settings::commit() {
    if (!store_.commit()) writeFailed_ = true;
}

std::optional<std::string> Settings::takeWriteProblem() {
    if (!writeFailed_ || writeProblemTaken_) return std::nullopt;
    writeProblemTaken_ = true;
    const std::string location = store_.location();
    return "The settings can't be saved" + (location.empty() ? std::string() : " to " + location) +
           ".\nThey are kept until the program ends.";
}

void Settings::loadInto(RuntimeSettings& runtime) const {
    runtime.comPort = comPort();
    runtime.undoLevels = undoLevels();
    for (int port = 1; port <= 4; ++port) {
        runtime.portDevices[static_cast<std::size_t>(port - 1)] = portDevice(port);
    }
}

}  // namespace sky
