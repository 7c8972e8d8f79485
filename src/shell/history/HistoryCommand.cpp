#include "shell/history/HistoryCommand.h"

#include <utility>

#include "common/Format.h"
#include "shell/DocumentCommands.h"
#include "shell/DocumentWindow.h"

namespace sky {

HistorySession::HistorySession(std::string folder, bool listOpen)
    : folder_(std::move(folder)), listOpen_(listOpen), entries_(historyEntries(folder_)) {}

std::string HistorySession::kindText(const HistoryEntry& entry) {
    return historyKindName(entry.kind);
}

std::string HistorySession::countsText(const HistoryEntry& entry) {
    return format("%d satellites, %d transponders, %d channels", entry.satellites,
                  entry.transponders, entry.channels);
}

bool HistorySession::remove(std::size_t index) {
    if (index >= entries_.size() || !deleteHistoryEntry(entries_[index])) return false;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

void HistorySession::choose(HistoryAction action, std::size_t index) {
    if (index >= entries_.size()) return;
    if (action == HistoryAction::CompareWithOpenList && !listOpen_) return;
    action_ = action;
    chosen_ = index;
}

const HistoryEntry* HistorySession::chosen() const {
    if (action_ == HistoryAction::Close || chosen_ >= entries_.size()) return nullptr;
    return &entries_[chosen_];
}

bool runHistory(DocumentCommands& doc, IDocumentWindow& window) {
    if (doc.transferRunning()) return false;
    HistorySession session(historyFolder(), doc.isLoaded());
    window.runHistory(session);
    const HistoryEntry* entry = session.chosen();
    if (!entry) return false;
    if (session.action() == HistoryAction::CompareWithOpenList) {
        return doc.compareWithFile(
            entry->textPath,
            format("the list %s %s", historyKindName(entry->kind), entry->when.c_str()));
    }
    return doc.openCopyUntitled(entry->textPath);
}

}  // namespace sky
