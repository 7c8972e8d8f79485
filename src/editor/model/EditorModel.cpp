#include "editor/model/EditorModel.h"

#include <utility>

#include "editor/editing/Renumber.h"

namespace sky {

void EditorModel::replaceTokens(TokenArray tokens) {
    tokens_ = std::move(tokens);
    modified_ = false;
}

void EditorModel::renumber() {
    renumberChannels(tokens_, sections());
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

void EditorModel::markSaved() {
    undo_.clear();
    modified_ = false;
}

}  // namespace sky
