#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "db/TokenArray.h"
#include "editor/duplicates/DuplicateKeys.h"

namespace sky {

// Find Duplicates: the groups of rows of one section that are the same channel or transponder
// (or, as a weaker choice, carry the same name). DuplicateKeys.h says what makes rows alike.
//
// A dialog over it calls findDuplicates() for the section and match the user picks, shows each
// group's rows and equal cells, lets the user choose the groups to clear (`chosen`) and another
// keeper (chooseKeeper()), shows removalNote(), and passes the groups to removeDuplicates()
// (DuplicateRemoval.h).

// One row of a group.
struct DuplicateRow {
    std::size_t row;     // the record's position in its section, from 0. In the Digital Channel
                         // view a PID channel stands at digitalChannelCount() + row.
    std::string number;  // its Index cell: the number the views show
    std::string name;    // the channel's name, or the transponder's bouquet
};

// A cell the rows of a group have in common, as the group's first row shows it.
struct EqualCell {
    std::string label;  // "SAT Index", "Frequency", "Symbol Rate", "Polarization", "SVC ID",
                        // "TP Index", "Video PID", "Audio PID", "PCR PID" or "Name"
    std::string text;
};

// Rows of one section that are one channel or transponder.
struct DuplicateGroup {
    DuplicateSection section;
    DuplicateMatch match;
    std::vector<DuplicateRow> rows;  // two or more, in the order of the section
    std::vector<EqualCell> equalCells;
    std::size_t keeper = 0;  // the row (of `rows`) that stays when the others are removed
    bool chosen = true;      // Remove takes the group's other rows out
};

// The groups of the section under the match, in the order of their first rows. Each keeper is
// the row with the lowest number; among transponders one numbered 0 keeps only when the group
// has no other, since a channel cannot name transponder 0.
std::vector<DuplicateGroup> findDuplicates(const TokenArray& tokens, DuplicateSection section,
                                           DuplicateMatch match);

// Makes rows[member] the group's keeper. False (and no change) for a member that is not in the
// group, or for a transponder numbered 0 while another member could keep.
bool chooseKeeper(DuplicateGroup& group, std::size_t member);

// The number of rows that Remove would take out of the whole list under the exact rule, over
// all four sections: each group's rows but its keeper. Fast enough to run after every Open.
std::size_t duplicateRowCount(const TokenArray& tokens);

// The status bar's line after Open: "n duplicates found: Edit Channel > Find Duplicates"; empty
// for 0, when nothing is to be shown.
std::string duplicateStatusText(std::size_t count);

// The section's name as the dialog and skylister-cli show it: "Digital Channel", "PID Channel",
// "Analog Channel" or "Digital TP".
const char* duplicateSectionTitle(DuplicateSection section);

// Whether the name match applies to the section (not to transponders).
bool nameMatchApplies(DuplicateSection section);

}  // namespace sky
