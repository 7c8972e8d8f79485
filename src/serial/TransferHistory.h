#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sky {

// The room the history of transfers may take unless the user sets another, in megabytes.
inline constexpr int kDefaultHistoryLimitMb = 200;
inline constexpr int kMaxHistoryLimitMb = 100'000;

enum class HistoryKind { Sent, Fetched };

// One list sent to or fetched from the receiver, kept in the history folder as
// "<date>-<sent|fetched>.txt" with, for a send, the image sent beside it (".bin"), and a small
// ".info" file written last: an entry without its .info was never completely kept.
struct HistoryEntry {
    // The files' common name: "20261208-155012-sent", "20261208-155012-2-fetched".
    std::string name;
    HistoryKind kind = HistoryKind::Sent;
    std::string when;    // "2026-12-08 15:50:12", local time
    std::string source;  // the list's file, or the port a fetched list came through
    int satellites = 0;
    int transponders = 0;
    int channels = 0;
    uint64_t bytes = 0;  // all its files together
    std::string textPath;
    std::string binPath;  // empty for a fetched list
};

// $XDG_STATE_HOME/skylister/history, or ~/.local/state/skylister/history without it.
std::string historyFolder();

// Keeps a copy of a list just sent or fetched: its text, the image sent (a send only; empty for
// none) and what it came from, then removes the oldest entries while the history is larger than
// `limitBytes` (never the one just kept). Each file is written whole under a temporary name and
// renamed, so an entry is complete or absent. Returns nothing on success, else the reason it
// could not be kept (nothing of it is left behind).
std::optional<std::string> keepInHistory(const std::string& folder, HistoryKind kind,
                                         std::string_view text, const std::string& binPath,
                                         const std::string& source, uint64_t limitBytes,
                                         std::chrono::system_clock::time_point now);

// The same for a list in a file, now.
std::optional<std::string> keepFileInHistory(const std::string& folder, HistoryKind kind,
                                             const std::string& textPath,
                                             const std::string& binPath, const std::string& source,
                                             uint64_t limitBytes);

// The complete entries, newest first.
std::vector<HistoryEntry> historyEntries(const std::string& folder);

// Removes the oldest entries until the history takes no more than `limitBytes`; never `keep`.
void pruneHistory(const std::string& folder, uint64_t limitBytes, const std::string& keep = {});

// Removes every file of an entry; false when one stays.
bool deleteHistoryEntry(const HistoryEntry& entry);

// "sent" or "fetched".
const char* historyKindName(HistoryKind kind);

// The transfer's own result is unchanged by a copy that could not be kept: this says so, once.
std::string historyNotKeptMessage(HistoryKind kind, const std::string& reason);

}  // namespace sky
