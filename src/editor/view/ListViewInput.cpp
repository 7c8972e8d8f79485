// The list view's keys, double-click and drag-and-drop.

#include "editor/view/ListView.h"

namespace sky {

void ListView::onKey(ViewKey key) {
    if (!editable() || !inDetail()) return;
    if (key == ViewKey::F2) {
        newChannel();
    } else {
        editRows(key);
    }
}

void ListView::editRows(ViewKey key) {
    const std::vector<std::size_t> rows = selectedListRows();
    if (rows.empty()) return;
    TokenArray& tokens = document_.tokens();
    bool changed = false;
    switch (key) {
        case ViewKey::Delete:
            document_.recordUndo("Delete Channel");
            changed = deleteRows(tokens, digital_, rows);
            break;
        case ViewKey::Insert:
            document_.recordUndo("Insert Null Channel");
            changed = insertNullRows(tokens, digital_, rows.front(), rows.size());
            break;
        case ViewKey::F3:
            document_.recordUndo("Cut Channel");
            changed = cutRows(tokens, digital_, rows, clipboard_);
            break;
        case ViewKey::F4:
            document_.recordUndo("Paste Channel");
            changed = pasteRows(tokens, digital_, rows.front(), clipboard_);
            break;
        case ViewKey::F2:
            return;
    }
    if (changed) {
        document_.markModified();
    } else {
        // Nothing happened (a paste with nothing cut): no step to undo, no number changed.
        document_.discardNewestUndo();
    }
    refresh(changed);
    selectRow(rows.front());
}

void ListView::newChannel() {
    if (editor_ && editor_->newChannel(document_, digital_)) {
        document_.markModified();
        refresh(true);
    }
}

void ListView::onDoubleClick() {
    if (!editable()) return;
    const std::vector<std::size_t> rows = selectedListRows();
    const bool hasRows = shown_.rowCount() > 0;
    if (rows.size() == 1) {
        currentRow_ = rows.front();
        if (inDetail() && editEnabled_ && hasRows && editor_) {
            document_.recordUndo("Setting channel");
            if (editor_->adjustChannel(document_, digital_, currentRow_)) {
                document_.markModified();
                refresh(true);
            } else {
                document_.discardNewestUndo();
            }
        } else if (viewKind_ == ViewKind::SatelliteList && editEnabled_ && hasRows && editor_) {
            document_.recordUndo("Setting Satellite");
            if (editor_->editSatellite(document_, currentRow_)) {
                document_.markModified();
                refresh(false);
            } else {
                document_.discardNewestUndo();
            }
        }
    } else if (inDetail() && editEnabled_) {
        newChannel();
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
        document_.recordUndo("Group Move");
        placeRows(document_.tokens(), digital_, rows, start);
    } else {
        document_.recordUndo(group ? "Group Move" : "Move Channel");
        const MoveResult result =
            moveRows(document_.tokens(), digital_, rows.front(), rows.back(), drop);
        if (result != MoveResult::Moved) {
            document_.discardNewestUndo();
            if (result == MoveResult::CrossesSections) ui_.message(kDragSectionMessage);
            return;
        }
    }
    document_.markModified();
    refresh(true);
    // The moved row nearest the drop row: the block's last moving down, its first moving up.
    selectRow(down ? drop - 1 : drop);
}

}  // namespace sky
