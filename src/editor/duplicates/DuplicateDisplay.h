#pragma once

#include <string>
#include <vector>

#include "editor/duplicates/DuplicateGroups.h"
#include "editor/view/ViewColumns.h"

namespace sky {

// How Find Duplicates is shown, in the dialog and by skylister-cli.

// Said when a section has no duplicates under the match.
inline constexpr const char* kNoDuplicatesFound = "No duplicates found.";

// The section the dialog starts in: the one the view shows (digital channels in the Digital
// Channel view, analog channels in the Analog Channel view, each section list's own), digital
// channels where the view shows none of the four.
DuplicateSection duplicateSectionShown(ViewKind kind, bool digital);

// The cells a group's rows share, as one line: "SAT Index 0, Frequency 11836, SVC ID 6FEE".
std::string equalCellsText(const std::vector<EqualCell>& cells);

// What Remove would take out: "3 groups, 4 rows to remove", counting the rows of the chosen
// groups but their keepers; kNoDuplicatesFound without groups.
std::string duplicateCountText(const std::vector<DuplicateGroup>& groups);

}  // namespace sky
