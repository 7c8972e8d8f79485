// The list view's side of the document's file commands: loading, saving and the question when
// the view closes.

#include <utility>

#include "document/ListDB.h"
#include "editor/model/FieldText.h"
#include "editor/view/SkylistListView.h"

namespace sky {

namespace {

constexpr const char* kSaveFailed = "ERROR!!! Saving not Complete";

}  // namespace

void CSkylistListView::onReset() {
    model_.markSaved();
    sorter_.discardRevertCopy();
}

void CSkylistListView::clearUndoHistory() {
    model_.undoHistory().clear();
}

void CSkylistListView::onReload() {
    load(false);
}

bool CSkylistListView::onOpen() {
    return load(true);
}

bool CSkylistListView::load(bool opening) {
    CListDB* db = host_.database();
    if (!loaded() || !db) return false;
    // The file is read into a list of its own: when it cannot be loaded, the list shown so far
    // stays whole, matching the path the document goes back to.
    TokenArray tokens;
    const LoadResult result = db->LoadChannelList(tokens);
    if (result == LoadResult::Failed) {
        host_.loadFailed();
        return false;
    }
    if (opening) {
        // Only now that the file replaces the list may its edits and history go.
        onReset();
        clearUndoHistory();
    }
    model_.replaceTokens(std::move(tokens));
    if (result == LoadResult::MustResave) save();
    const bool uploadFile = trimmedUpper(db->path) == trimmedUpper(host_.uploadFilePath());
    host_.setTitle(uploadFile ? std::string("Skylister : Untitled") : "Skylister : " + db->path);
    refresh(true);
    return true;
}

bool CSkylistListView::save() {
    onReset();
    CListDB* db = host_.database();
    if (!db || !db->SaveText(model_.tokens())) {
        ui_.message(kSaveFailed);
        // The file does not hold the list: closing must still offer to save it.
        model_.markModified();
        return false;
    }
    return true;
}

bool CSkylistListView::onClose() {
    if (!model_.hasUnsavedChanges()) return true;
    const Answer answer =
        ui_.ask("Saveing  Modified Data!!!", Buttons::YesNoCancel, Icon::Question, "Saving");
    if (answer == Answer::No) return true;
    if (answer != Answer::Yes) return false;
    CListDB* db = host_.database();
    if (db && db->SaveText(model_.tokens())) {
        model_.markSaved();
        return true;
    }
    // The edits are not on disk: whatever was about to close or replace the list must not.
    ui_.message(kSaveFailed);
    return false;
}

}  // namespace sky
