#pragma once

#include "editor/document/ListDocument.h"
#include "editor/sort/ChannelSorter.h"

namespace sky {

// The edits of the whole list's order, each one undo step shown without renumbering (the sorter
// numbers what it must itself). Each returns whether the list changed.

// "Channel Name", "Frequency", "Bouquet" and the sort by type and name: "Sort Channel".
bool sortList(ListDocument& document, ChannelSorter& sorter, SortMode mode);
// The digital channels in blocks of 100 per satellite and type: "Arrange Blocks".
bool arrangeBlocks(ListDocument& document, ChannelSorter& sorter);
// The list as it was before the arrangement, while the sorter keeps it: "Revert Arrangement".
bool revertArrangement(ListDocument& document, ChannelSorter& sorter);
bool canRevertArrangement(const ListDocument& document, const ChannelSorter& sorter);

}  // namespace sky
