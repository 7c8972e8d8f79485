#include "editor/editing/ListSorting.h"

namespace sky {

bool sortList(ListDocument& document, ChannelSorter& sorter, SortMode mode) {
    return document.edit(
        "Sort Channel",
        [&](ListEdit& list) {
            sorter.sort(list.tokens(), mode);
            return true;
        },
        Renumber::No);
}

bool arrangeBlocks(ListDocument& document, ChannelSorter& sorter) {
    return document.edit(
        "Arrange Blocks",
        [&](ListEdit& list) {
            sorter.arrangeBlocks(list.tokens());
            return true;
        },
        Renumber::No);
}

bool revertArrangement(ListDocument& document, ChannelSorter& sorter) {
    return document.edit(
        "Revert Arrangement", [&](ListEdit& list) { return sorter.revertBlocks(list.tokens()); },
        Renumber::No);
}

bool canRevertArrangement(const ListDocument& document, const ChannelSorter& sorter) {
    return document.loaded() && sorter.canRevertBlocks();
}

}  // namespace sky
