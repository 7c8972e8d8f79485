#include "editor/document/ListDocument.h"

#include <algorithm>
#include <utility>

namespace sky {

namespace {

constexpr const char* kSaveFailed = "ERROR!!! Saving not Complete";

}  // namespace

ListDocument::ListDocument(IUserInterface& ui, const RuntimeSettings& runtime)
    : EditorModel(ui), runtime_(runtime) {}

void ListDocument::addObserver(IListObserver& observer) {
    observers_.push_back(&observer);
}

void ListDocument::removeObserver(IListObserver& observer) {
    std::erase(observers_, &observer);
}

bool ListDocument::open(const std::string& path, OpenFor purpose) {
    const std::string shownPath = this->path();
    std::unique_ptr<ListFile> previous =
        std::exchange(db_, std::make_unique<ListFile>(runtime_, ui(), path));
    if (!load(true, purpose)) {
        // The list shown so far stays, bound to its own file.
        db_ = std::move(previous);
        return false;
    }
    previousPath_ = shownPath;
    return true;
}

const std::string& ListDocument::path() const {
    static const std::string kNone;
    return db_ ? db_->path : kNone;
}

bool ListDocument::reload() {
    return db_ && load(false);
}

bool ListDocument::load(bool opening, OpenFor purpose) {
    // The file is read into a list of its own: when it cannot be loaded, the list shown so far
    // stays whole, with its modified state and its undo history.
    TokenArray tokens;
    const LoadResult result = db_->loadChannelList(tokens);
    if (result == LoadResult::Failed) return false;
    if (opening) {
        // Only now that the file replaces the list may its edits and history go.
        markSaved();
    } else {
        // The list read again is a change like any other: Undo takes it back.
        recordUndo("Reload");
    }
    replaceTokens(std::move(tokens));
    loaded_ = true;
    if (result == LoadResult::MustResave && purpose == OpenFor::Editing) save();
    // Shown as the file numbers it: the list equals its file, whatever its numbers start at.
    update(false, ListChange::Replaced);
    return true;
}

bool ListDocument::save() {
    markSaved();
    if (!db_ || !db_->saveText(tokens())) {
        ui().message(kSaveFailed);
        // The file does not hold the list: closing must still offer to save it.
        markModified();
        return false;
    }
    return true;
}

bool ListDocument::saveAs(const std::string& path) {
    if (!db_) return false;
    const std::string previousFile = db_->path;
    db_->path = path;
    if (!db_->saveText(tokens())) {
        // The list stays bound to its file: the next Save writes where the title says.
        db_->path = previousFile;
        ui().message(kSaveFailed);
        return false;
    }
    load(false);
    markSaved();
    return true;
}

void ListDocument::adopt(TokenArray tokens, Renumber renumber) {
    markSaved();
    replaceTokens(std::move(tokens));
    loaded_ = true;
    update(renumber == Renumber::Yes, ListChange::Replaced);
}

void ListDocument::markSaved() {
    EditorModel::markSaved();
    for (IListObserver* observer : observers_) observer->listSaved();
}

bool ListDocument::offerSaving() {
    if (!hasUnsavedChanges()) return true;
    const Answer answer =
        ui().ask("Saveing  Modified Data!!!", Buttons::YesNoCancel, Icon::Question, "Saving");
    if (answer == Answer::No) return true;
    if (answer != Answer::Yes) return false;
    if (db_ && db_->saveText(tokens())) {
        markSaved();
        return true;
    }
    // The edits are not on disk: whatever was about to close or replace the list must not.
    ui().message(kSaveFailed);
    return false;
}

bool ListDocument::edit(const std::string& label, const Change& change, Renumber renumber) {
    if (!editable()) return false;
    recordUndo(label);
    ListEdit list(*this);
    if (!change(list)) {
        discardNewestUndo();
        return false;
    }
    markModified();
    update(renumber == Renumber::Yes, ListChange::Edited);
    return true;
}

void ListDocument::changed(bool renumbering) {
    update(renumbering, ListChange::Edited);
}

bool ListDocument::undo() {
    if (!EditorModel::undo()) return false;
    update(false, ListChange::Edited);
    return true;
}

bool ListDocument::redo() {
    if (!EditorModel::redo()) return false;
    update(false, ListChange::Edited);
    return true;
}

void ListDocument::update(bool renumbering, ListChange change) {
    ++revision_;
    for (IListObserver* observer : observers_) observer->listAboutToChange();
    if (renumbering) renumber();
    rebuildDetails();
    for (IListObserver* observer : observers_) observer->listChanged(change);
}

}  // namespace sky
