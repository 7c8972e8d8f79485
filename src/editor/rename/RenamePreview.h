#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "db/TokenArray.h"
#include "editor/document/ListDocument.h"
#include "editor/model/ChannelRecords.h"
#include "editor/rename/RenameRules.h"
#include "editor/view/ViewColumns.h"

namespace sky {

// The undo entry of Rename Channels: Edit Channel > Undo then reads "Undo (n - Rename Channels)".
inline constexpr const char* kRenameChannelsLabel = "Rename Channels";

// Shown when the rename finds the list changed since its preview.
inline constexpr const char* kRenameOutdated =
    "CANCELED : The list has changed since the new names were shown. Rename again!!!";

// One channel of the preview: its old and new name and what the user should see about the new
// one. A row is renamed when ticked.
struct RenameRow {
    RecordRef record;
    std::string number;  // the channel's Index cell
    std::string oldName;
    std::string newName;
    bool tooLong = false;  // longer than the list keeps (13)
    bool empty = false;    // the rules left nothing
    // Once renamed, equal to another channel's name in its section, regardless of the case of
    // ASCII letters, as Find Duplicates compares names.
    bool equalsOther = false;
    bool ticked = false;

    bool unchanged() const { return newName == oldName; }
};

struct RenamePreview {
    std::vector<RenameRow> rows;
    // The names of the section's channels outside the preview, by section (RecordKind), counted:
    // what a new name is compared with besides the other rows.
    std::unordered_map<std::string, std::size_t> otherNames[3];
};

// Whether a view shows channels to rename: the two detail views and the lists of the digital,
// PID and analog channel sections.
bool showsChannels(ViewKind kind);

// The records of list rows of a view that shows channels (`digital`: the Digital Channel view
// rather than the Analog one); rows past the end are left out, and a view of no channels has none.
std::vector<RecordRef> viewRecords(const TokenArray& tokens, ViewKind kind, bool digital,
                                   const std::vector<std::size_t>& rows);
// The records of one section, in order.
std::vector<RecordRef> sectionRecords(const TokenArray& tokens, RecordKind kind);

// The preview of the rules over the records: one row per channel that is no null channel. A row
// is ticked when its name changes to one the list can keep: not empty, not too long.
RenamePreview previewRename(const TokenArray& tokens, const std::vector<RecordRef>& records,
                            const std::vector<RenameRule>& rules);

// What the preview says of a row: why a new name is not taken, that it equals another's, that
// nothing changes; empty for a plain rename.
const char* renameNote(const RenameRow& row);

// Whether the user may tick the row: its name changes, is not empty and not too long.
bool canTick(const RenameRow& row);
// Ticks or unticks a row and marks the names equal to another anew; false (and no change) for a
// row that cannot be ticked.
bool setTicked(RenamePreview& preview, std::size_t row, bool ticked);
std::size_t tickedCount(const RenamePreview& preview);

// Writes the new names of the ticked rows. Nothing else changes: the channels keep their numbers
// and places. Returns the number renamed, or nothing with the array unchanged when a ticked
// row's record no longer holds its old name (the list changed since the preview).
std::optional<std::size_t> applyRename(TokenArray& tokens, const RenamePreview& preview);

// The rename as an edit of the document: records the undo entry "Rename Channels", writes the
// names with applyRename(), marks the list modified and refreshes it without renumbering. A
// preview of another state of the list is refused with kRenameOutdated. Nothing happens to a
// document that is locked by a transfer or has no list. Returns the number renamed (0 when
// nothing changed, without an undo entry).
std::size_t renameChannels(ListDocument& document, const RenamePreview& preview);

}  // namespace sky
