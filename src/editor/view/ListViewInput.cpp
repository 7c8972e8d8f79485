// The list view's double-click and drag-and-drop.

#include "editor/editing/RowEdits.h"
#include "editor/view/ListView.h"

namespace sky {

void ListView::onDoubleClick() {
    if (!editable()) return;
    const std::vector<std::size_t> rows = selectedListRows();
    const bool hasRows = shown_.rowCount() > 0;
    if (rows.size() == 1) {
        currentRow_ = rows.front();
        if (inDetail() && editEnabled_ && hasRows && editor_) {
            document_.edit(
                "Setting channel",
                [this](ListEdit& list) {
                    return editor_->adjustChannel(list, digital_, currentRow_);
                },
                Renumber::Yes);
        } else if (viewKind_ == ViewKind::SatelliteList && editEnabled_ && hasRows && editor_) {
            document_.edit(
                "Setting Satellite",
                [this](ListEdit& list) { return editor_->editSatellite(list, currentRow_); },
                Renumber::No);
        }
    } else if (inDetail() && editEnabled_) {
        newChannel(document_, editor_, digital_);
        currentRow_ = 0;
    }
    selectRow(currentRow_);
}

void ListView::dropSelectedRows(std::size_t target) {
    if (!canDrag() || !editEnabled_) return;
    const std::vector<std::size_t> shownRows = list_.selectedRows();
    if (shownRows.empty() || target >= shown_.rowCount()) return;
    const std::size_t first = shownRows.front();
    const std::size_t last = shownRows.back();
    const bool group = shownRows.size() > 1;
    // Only a contiguous block moves as a group.
    if (group && last - first != shownRows.size() - 1) return;
    if (target >= first && target <= last) return;
    const std::vector<std::size_t> rows = shown_.listRows(shownRows);
    const std::size_t drop = shown_.listRow(target);
    const bool down = target > last;
    // As shown, the block already ends just above the row below it, even with rows hidden
    // between.
    if (shown_.filtered() && target == last + 1) return;
    // Under a filter the rows of a block as shown may lie apart in the list: they are placed as
    // a block where the drop puts it, checked before the undo entry is recorded.
    if (rows.back() - rows.front() != rows.size() - 1) {
        const SectionMap sections = document_.sections();
        const MoveScope scope = moveScope(sections, digital_, rows);
        const std::size_t start = down ? drop - rows.size() : drop;
        const bool dropInScope = drop >= scope.first && drop < scope.end();
        const MoveResult result = scope.problem == MoveResult::Moved && !dropInScope
                                      ? MoveResult::CrossesSections
                                      : placeResult(sections, digital_, rows, start);
        if (result == MoveResult::CrossesSections) ui_.message(kDragSectionMessage);
        if (result != MoveResult::Moved) return;
        document_.edit(
            "Group Move",
            [&](ListEdit& list) {
                placeRows(list.tokens(), digital_, rows, start);
                return true;
            },
            Renumber::Yes);
    } else {
        MoveResult result = MoveResult::Unchanged;
        document_.edit(
            group ? "Group Move" : "Move Channel",
            [&](ListEdit& list) {
                result = moveRows(list.tokens(), digital_, rows.front(), rows.back(), drop);
                return result == MoveResult::Moved;
            },
            Renumber::Yes);
        if (result != MoveResult::Moved) {
            if (result == MoveResult::CrossesSections) ui_.message(kDragSectionMessage);
            return;
        }
    }
    // The moved row nearest the drop row: the block's last moving down, its first moving up.
    selectRow(down ? drop - 1 : drop);
}

}  // namespace sky
