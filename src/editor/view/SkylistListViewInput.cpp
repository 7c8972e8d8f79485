// The list view's keys, double-click and drag-and-drop.

#include "editor/view/SkylistListView.h"

namespace sky {

void CSkylistListView::onKey(ViewKey key) {
    if (!loaded() || !inDetail()) return;
    if (key == ViewKey::F2) {
        newChannel();
    } else {
        editRows(key);
    }
}

void CSkylistListView::editRows(ViewKey key) {
    const std::vector<std::size_t> rows = selectedRows();
    if (rows.empty()) return;
    TokenArray& tokens = model_.tokens();
    bool changed = false;
    switch (key) {
        case ViewKey::Delete:
            model_.recordUndo("Delete Channel");
            changed = deleteRows(tokens, digital_, rows);
            break;
        case ViewKey::Insert:
            model_.recordUndo("Insert Null Channel");
            changed = insertNullRows(tokens, digital_, rows.front(), rows.size());
            break;
        case ViewKey::F3:
            model_.recordUndo("Cut Channel");
            changed = cutRows(tokens, digital_, rows, clipboard_);
            break;
        case ViewKey::F4:
            model_.recordUndo("Paste Channel");
            changed = pasteRows(tokens, digital_, rows.front(), clipboard_);
            break;
        case ViewKey::F2:
            return;
    }
    if (changed) model_.markModified();
    refresh(true);
    selectRow(rows.front());
}

void CSkylistListView::newChannel() {
    if (editor_ && editor_->newChannel(model_, digital_)) {
        model_.markModified();
        refresh(true);
    }
}

void CSkylistListView::onDoubleClick() {
    if (!loaded()) return;
    const std::vector<std::size_t> rows = selectedRows();
    const bool hasRows = list_.itemCount() > 0;
    if (rows.size() == 1) {
        currentRow_ = rows.front();
        if (inDetail() && editEnabled_ && hasRows && editor_) {
            model_.recordUndo("Setting channel");
            if (editor_->adjustChannel(model_, digital_, currentRow_)) {
                model_.markModified();
                refresh(true);
            } else {
                model_.discardNewestUndo();
            }
        } else if (viewKind_ == ViewKind::SatelliteList && editEnabled_ && hasRows && editor_) {
            if (editor_->editSatellite(model_, currentRow_)) {
                model_.markModified();
                refresh(false);
            }
        }
    } else if (inDetail() && editEnabled_) {
        newChannel();
        currentRow_ = 0;
    }
    selectRow(currentRow_);
}

void CSkylistListView::onLeftButtonDown(ListPoint point) {
    if (loaded()) dragSourceRow_ = list_.hitTest(point).row;
}

void CSkylistListView::onBeginDrag() {
    if (inDetail()) dragging_ = true;
}

void CSkylistListView::onLeftButtonUp(ListPoint point) {
    if (!dragging_) return;
    dragging_ = false;
    if (!editEnabled_) return;
    const int hitRow = list_.hitTest(point).row;
    if (hitRow >= 0) dropRow_ = hitRow;
    if (dropRow_ == dragSourceRow_ || dragSourceRow_ < 0) return;
    dropRows(static_cast<std::size_t>(dropRow_));
}

void CSkylistListView::dropRows(std::size_t drop) {
    const std::vector<std::size_t> rows = selectedRows();
    std::size_t first = static_cast<std::size_t>(dragSourceRow_);
    std::size_t last = first;
    const bool group = rows.size() > 1;
    if (group) {
        // Only a contiguous block moves as a group.
        if (rows.back() - rows.front() != rows.size() - 1) return;
        first = rows.front();
        last = rows.back();
        model_.recordUndo("Group Move");
    }
    const MoveResult result = moveRows(model_.tokens(), digital_, first, last, drop);
    if (result != MoveResult::Moved) {
        if (group) model_.discardNewestUndo();
        if (result == MoveResult::CrossesSections) ui_.message(kDragSectionMessage);
        return;
    }
    model_.markModified();
    refresh(true);
    selectRow(drop > last ? drop - 1 : drop);
}

}  // namespace sky
