#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "db/TokenArray.h"
#include "editor/document/ListDocument.h"
#include "editor/duplicates/DuplicateGroups.h"

namespace sky {

// Remove in the Find Duplicates dialog: every row of the chosen groups but its keeper leaves the
// list, as one edit.

// The undo entry of Remove: Edit Channel > Undo then reads "Undo (n - Remove Duplicates)".
inline constexpr const char* kRemoveDuplicatesLabel = "Remove Duplicates";

// Shown when Remove finds the list changed since the groups were found.
inline constexpr const char* kDuplicatesOutdated =
    "CANCELED : The list has changed since the duplicates were found. Find them again!!!";

// One line for the dialog saying what Remove does in the section.
const char* removalNote(DuplicateSection section);

// Takes out of the token array every row of the chosen groups but their keepers. Channels go as
// Delete takes out selected rows (deleteRows()). Before a transponder goes, every digital and
// PID channel (null channels too) that names it is moved to the group's keeper, so no channel is
// left without its transponder; the other transponders keep their Index. A row that keeps in
// any chosen group stays, even where another chosen group (of the other match) would remove it,
// so every group keeps a row. The channels are not renumbered: the caller does that, as after
// Delete.
//
// Returns the number of rows taken out; nothing, with the array unchanged, when a chosen group no
// longer matches the array (a row's number changed or its row is no longer alike): the groups
// come from another state of the list and must be found again.
std::optional<std::size_t> removeDuplicateRows(TokenArray& tokens,
                                               const std::vector<DuplicateGroup>& groups);

// After Remove: the groups found again in the list (`after`) take the choices the user made for
// the same groups before (`before`, the groups Remove was given; `removed`: whether it took rows
// out): whether Remove clears the group, and the row it keeps. A group found again is one of the
// same section and match that holds a row of a group of before, by the row's position once the
// rows taken out are gone.
void keepChoices(const std::vector<DuplicateGroup>& before, bool removed,
                 std::vector<DuplicateGroup>& after);

// Remove as an edit of the document: records the undo entry "Remove Duplicates", takes the rows
// out with removeDuplicateRows(), marks the list modified and refreshes it renumbered
// (changed(true)), as Delete does. Groups that no longer match the list are refused with
// kDuplicatesOutdated. Nothing happens to a document that is locked by a transfer or has no list.
// Returns the number of rows taken out (0 when nothing changed, without an undo entry).
std::size_t removeDuplicates(ListDocument& document, const std::vector<DuplicateGroup>& groups);

}  // namespace sky
