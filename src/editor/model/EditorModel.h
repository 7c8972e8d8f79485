#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "common/UserInterface.h"
#include "db/TokenArray.h"
#include "editor/model/ChannelRecords.h"
#include "editor/model/DetailRows.h"
#include "editor/model/SectionMap.h"
#include "editor/model/UndoHistory.h"

namespace sky {

// The channel list being edited: the token array, the detail rows derived from it, the undo
// history and the modified flag. Editing operations change the token array through this object
// and leave showing the result to the view.
//
// An edit follows one pattern: recordUndo(label) before the change, change tokens(), then the
// view's refresh, which renumbers when asked, rebuilds the detail rows and refills the list. The
// view marks the list modified for every edit that reports a change. Renumbering touches only the
// channel groups the edit changed, so that every other section keeps its bytes.
class EditorModel {
public:
    explicit EditorModel(IUserInterface& ui) : ui_(ui) {}

    IUserInterface& ui() const { return ui_; }

    TokenArray& tokens() { return tokens_; }
    const TokenArray& tokens() const { return tokens_; }
    // Replaces the whole list (a file was loaded); the list then equals its file.
    void replaceTokens(TokenArray tokens);

    // Scans the token array for its sections. Call once per operation; a change to the array
    // makes the result stale.
    SectionMap sections() const { return locateSections(tokens_); }

    // Row to record: the record shown in a row of the Digital Channel view (digitalView) or the
    // Analog Channel view, located afresh.
    std::optional<RecordRef> recordOfRow(bool digitalView, std::size_t row) const {
        return sky::recordOfRow(sections(), digitalView, row);
    }

    // The rows of the two detail views as of the last rebuild.
    const DetailRows& digitalRows() const { return digitalRows_; }
    const DetailRows& analogRows() const { return analogRows_; }

    // Gives the channels of each group the edit since recordUndo() changed their Index numbers
    // 1, 2, 3, ... (see renumberChannels()); the other groups keep theirs. Every group, when
    // there is no such edit to compare with.
    void renumber();
    // Derives both detail lists from the token array.
    void rebuildDetails();

    // Undo and redo. recordUndo keeps a snapshot before a change; discardNewestUndo drops it when
    // the change did not happen; undo puts the newest snapshot back and redo the list as it was
    // before that undo (the caller then refreshes without renumbering); each returns false when
    // there is nothing to take back.
    // A step dropped for memory is told in the status bar.
    void recordUndo(const std::string& label);
    void discardNewestUndo() { undo_.discardNewest(); }
    bool undo();
    bool redo();
    UndoHistory& undoHistory() { return undo_; }
    const UndoHistory& undoHistory() const { return undo_; }

    // Unsaved changes: set by every edit that changed the list, after which the edit can no
    // longer be discarded as one that changed nothing.
    void markModified();
    bool modified() const { return modified_; }
    // The list differs from its file: the modified flag or the undo history says so.
    bool hasUnsavedChanges() const { return modified_ || undo_.available(); }
    // The list now equals its file (after Open, Save and Save As): no undo entries, not modified.
    void markSaved();

private:
    IUserInterface& ui_;
    TokenArray tokens_;
    DetailRows digitalRows_{kDigitalDetailWidth};
    DetailRows analogRows_{kAnalogDetailWidth};
    UndoHistory undo_;
    bool modified_ = false;
};

}  // namespace sky
