#include "serial/TransferHistory.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "common/Format.h"
#include "db/FileIo.h"
#include "db/ReplacementFile.h"
#include "serial/ReceivedLists.h"

namespace sky {

namespace {

namespace fs = std::filesystem;

constexpr const char* kExtensions[] = {".txt", ".bin", ".info"};

struct ListCounts {
    int satellites = 0;
    int transponders = 0;
    int channels = 0;
};

// The rows of the sections that matter to a user looking back: satellites, transponders and the
// channels of every kind. Comments and empty lines are no rows.
ListCounts countRows(std::string_view text) {
    ListCounts counts;
    int* counter = nullptr;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        const size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line[first] == '#') continue;
        line = line.substr(first, line.find_last_not_of(" \t\r") + 1 - first);
        if (line.front() == '[') {
            if (line == "[SATELLITE]") {
                counter = &counts.satellites;
            } else if (line == "[DIGITAL TP]") {
                counter = &counts.transponders;
            } else if (line == "[DIGITAL CHANNEL]" || line == "[DIGITAL PID CHANNEL]" ||
                       line == "[ANALOG TP]") {
                counter = &counts.channels;
            } else {
                counter = nullptr;
            }
        } else if (counter) {
            ++*counter;
        }
    }
    return counts;
}

// "20261208-155012" as "2026-12-08 15:50:12".
std::string readableTime(const std::string& name) {
    if (name.size() < 15 || name[8] != '-') return name;
    return name.substr(0, 4) + "-" + name.substr(4, 2) + "-" + name.substr(6, 2) + " " +
           name.substr(9, 2) + ":" + name.substr(11, 2) + ":" + name.substr(13, 2);
}

// 2 for "20261208-155012-2-sent", 1 for "20261208-155012-sent".
int sameSecondNumber(const std::string& name) {
    if (name.size() < 17 || name[15] != '-' || name[16] < '0' || name[16] > '9') return 1;
    return std::atoi(name.c_str() + 16);
}

std::string reasonOf(int error) {
    return error ? std::strerror(error) : "it could not be written";
}

bool writeWhole(const std::string& path, std::string_view content, std::string& reason) {
    ReplacementFile file(path);
    errno = 0;
    if (file.create() && file.write(content) && file.commit()) return true;
    reason = format("%s: %s", path.c_str(), reasonOf(errno).c_str());
    return false;
}

void removeFiles(const std::string& base) {
    for (const char* extension : kExtensions) {
        std::error_code ignored;
        fs::remove(base + extension, ignored);
    }
}

std::optional<HistoryEntry> readEntry(const fs::path& info) {
    const std::optional<std::string> content = readWholeFile(info.string());
    if (!content) return std::nullopt;
    HistoryEntry entry;
    entry.name = info.stem().string();
    const std::string base = (info.parent_path() / entry.name).string();
    entry.when = readableTime(entry.name);
    entry.textPath = base + ".txt";
    std::error_code error;
    if (!fs::is_regular_file(entry.textPath, error)) return std::nullopt;
    size_t start = 0;
    while (start < content->size()) {
        size_t end = content->find('\n', start);
        if (end == std::string::npos) end = content->size();
        const std::string line = content->substr(start, end - start);
        start = end + 1;
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (key == "kind")
            entry.kind = value == "fetched" ? HistoryKind::Fetched : HistoryKind::Sent;
        if (key == "source") entry.source = value;
        if (key == "satellites") entry.satellites = std::atoi(value.c_str());
        if (key == "transponders") entry.transponders = std::atoi(value.c_str());
        if (key == "channels") entry.channels = std::atoi(value.c_str());
    }
    if (fs::is_regular_file(base + ".bin", error)) entry.binPath = base + ".bin";
    for (const char* extension : kExtensions) {
        std::error_code ignored;
        const uintmax_t size = fs::file_size(base + extension, ignored);
        if (!ignored) entry.bytes += size;
    }
    return entry;
}

}  // namespace

std::string historyFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    std::string base;
    if (state && *state == '/') {
        base = state;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home && *home ? home : ".") + "/.local/state";
    }
    return base + "/skylister/history";
}

const char* historyKindName(HistoryKind kind) {
    return kind == HistoryKind::Sent ? "sent" : "fetched";
}

std::string historyNotKeptMessage(HistoryKind kind, const std::string& reason) {
    return format("The list was %s, but no copy of it could be kept in the history: %s",
                  historyKindName(kind), reason.c_str());
}

std::optional<std::string> keepInHistory(const std::string& folder, HistoryKind kind,
                                         std::string_view text, const std::string& binPath,
                                         const std::string& source, uint64_t limitBytes,
                                         std::chrono::system_clock::time_point now) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return format("%s: %s", folder.c_str(), error.message().c_str());
    std::optional<std::string> image;
    if (!binPath.empty()) {
        image = readWholeFile(binPath);
        if (!image) return format("%s cannot be read", binPath.c_str());
    }
    // A name no entry has, with "-2", "-3"... after the time for another transfer in the same
    // second, so that the names sort in the order the transfers ended.
    const std::string stamp = folder + "/" + fileTimeStamp(now);
    std::string base;
    for (int attempt = 1; attempt < 100 && base.empty(); ++attempt) {
        const std::string candidate =
            attempt == 1 ? stamp : format("%s-%d", stamp.c_str(), attempt);
        bool taken = false;
        for (const HistoryKind other : {HistoryKind::Sent, HistoryKind::Fetched}) {
            for (const char* extension : kExtensions) {
                taken = taken ||
                        fs::exists(candidate + "-" + historyKindName(other) + extension, error);
            }
        }
        if (!taken) base = candidate + "-" + historyKindName(kind);
    }
    if (base.empty()) return format("%s: no free name", folder.c_str());

    const ListCounts counts = countRows(text);
    const std::string info = format(
        "kind=%s\nsource=%s\nsatellites=%d\ntransponders=%d\n"
        "channels=%d\n",
        historyKindName(kind), source.c_str(), counts.satellites, counts.transponders,
        counts.channels);
    std::string reason;
    // The .info comes last: until it is there, the entry is not one.
    if (!writeWhole(base + ".txt", text, reason) ||
        (image && !writeWhole(base + ".bin", *image, reason)) ||
        !writeWhole(base + ".info", info, reason)) {
        removeFiles(base);
        return reason;
    }
    pruneHistory(folder, limitBytes, fs::path(base).filename().string());
    return std::nullopt;
}

std::optional<std::string> keepFileInHistory(const std::string& folder, HistoryKind kind,
                                             const std::string& textPath,
                                             const std::string& binPath, const std::string& source,
                                             uint64_t limitBytes) {
    const std::optional<std::string> text = readWholeFile(textPath);
    if (!text) return format("%s cannot be read", textPath.c_str());
    return keepInHistory(folder, kind, *text, binPath, source, limitBytes,
                         std::chrono::system_clock::now());
}

std::vector<HistoryEntry> historyEntries(const std::string& folder) {
    std::vector<HistoryEntry> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() != ".info") continue;
        if (std::optional<HistoryEntry> entry = readEntry(it->path())) {
            entries.push_back(std::move(*entry));
        }
    }
    // The names begin with the date and time, then the number of a later one in the same second.
    std::sort(entries.begin(), entries.end(), [](const HistoryEntry& a, const HistoryEntry& b) {
        return std::make_pair(a.name.substr(0, 15), sameSecondNumber(a.name)) >
               std::make_pair(b.name.substr(0, 15), sameSecondNumber(b.name));
    });
    return entries;
}

void pruneHistory(const std::string& folder, uint64_t limitBytes, const std::string& keep) {
    std::vector<HistoryEntry> entries = historyEntries(folder);
    uint64_t total = 0;
    for (const HistoryEntry& entry : entries) total += entry.bytes;
    // Oldest first out.
    for (auto it = entries.rbegin(); it != entries.rend() && total > limitBytes; ++it) {
        if (it->name == keep) continue;
        if (deleteHistoryEntry(*it)) total -= it->bytes;
    }
}

bool deleteHistoryEntry(const HistoryEntry& entry) {
    const std::string base = fs::path(entry.textPath).replace_extension().string();
    // The .info first: a removal cut short leaves no entry that looks complete.
    bool removed = true;
    for (const char* extension : {".info", ".txt", ".bin"}) {
        std::error_code error;
        fs::remove(base + extension, error);
        removed = removed && !error;
    }
    return removed;
}

}  // namespace sky
