#include "editor/model/EditorModel.h"

#include <utility>

#include "editor/editing/Renumber.h"

namespace sky {

void EditorModel::replaceTokens(TokenArray tokens) {
    tokens_ = std::move(tokens);
    modified_ = false;
}

void EditorModel::renumber() {
    if (const PackedTokens* before = undo_.newestWhole()) {
        renumberEditedChannels(tokens_, *before);
    } else {
        renumberChannels(tokens_, sections());
    }
}

void EditorModel::rebuildDetails() {
    rebuildDetailRows(tokens_, sections(), digitalRows_, analogRows_);
}

void EditorModel::recordUndo(const std::string& label) {
    if (undo_.record(label, tokens_, modified_) > 0) ui_.statusText(UndoHistory::kFullText);
}

bool EditorModel::undo() {
    return undo_.undo(tokens_, modified_);
}

bool EditorModel::redo() {
    return undo_.redo(tokens_, modified_);
}

void EditorModel::markModified() {
    modified_ = true;
    // The change is known: the steps the newest entry pushed out stay out.
    undo_.settle();
}

void EditorModel::markSaved() {
    undo_.clear();
    modified_ = false;
}

}  // namespace sky
