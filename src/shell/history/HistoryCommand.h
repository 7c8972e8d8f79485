#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "serial/TransferHistory.h"

namespace sky {

class DocumentCommands;
class IDocumentWindow;

// What the user does with a kept list in the History dialog.
enum class HistoryAction { Close, CompareWithOpenList, OpenAsNewList };

// File > History: the lists sent to and fetched from the receiver, newest first, as the dialog
// shows them, and what the user chose. The dialog only draws the session and calls it.
class HistorySession {
public:
    HistorySession(std::string folder, bool listOpen);

    const std::vector<HistoryEntry>& entries() const { return entries_; }
    // Compare with Open List needs an open list.
    bool canCompare() const { return listOpen_; }

    // The dialog's columns for an entry.
    static std::string kindText(const HistoryEntry& entry);
    static std::string countsText(const HistoryEntry& entry);

    // Delete: removes the entry's files and its row; false when they could not be removed (the
    // row stays).
    bool remove(std::size_t index);

    // The dialog's Compare with Open List and Open as New List, on the row chosen.
    void choose(HistoryAction action, std::size_t index);
    HistoryAction action() const { return action_; }
    const HistoryEntry* chosen() const;

private:
    std::string folder_;
    bool listOpen_;
    std::vector<HistoryEntry> entries_;
    HistoryAction action_ = HistoryAction::Close;
    std::size_t chosen_ = 0;
};

// File > History...: shows the history in the window's dialog, then compares the chosen list with
// the open one or opens it as a new, untitled list (the kept copy is never written). Returns
// whether something was done.
bool runHistory(DocumentCommands& doc, IDocumentWindow& window);

}  // namespace sky
