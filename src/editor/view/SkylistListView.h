#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/UserInterface.h"
#include "db/TokenArray.h"
#include "editor/editing/ChannelClipboard.h"
#include "editor/editing/ChannelEditor.h"
#include "editor/model/EditorModel.h"
#include "editor/sort/ChannelSorter.h"
#include "editor/view/ListControl.h"
#include "editor/view/ShownList.h"
#include "editor/view/ViewColumns.h"
#include "editor/view/ViewCommands.h"
#include "editor/view/ViewHost.h"

namespace sky {

// Keys the view acts on.
enum class ViewKey { F2, F3, F4, Insert, Delete };

// The list view's logic, apart from any window system: it owns the channel list being edited
// (the model), shows one of its lists (shownList(), read by the widget on demand, with a reset
// notification through the IListControl whenever it changes), and carries out the view and
// editing commands, the keys, the double-click and drag-and-drop.
//
// Single channels and satellites are edited by an IChannelEditor plugged in with
// setChannelEditor(): the double-click and F2 call it (see ChannelEditor.h for who records
// which undo entry); without one those gestures do nothing. Every command works only while the
// host reports a loaded document.
class CSkylistListView {
public:
    CSkylistListView(IListControl& list, IUserInterface& ui, IViewHost& host);

    void setChannelEditor(IChannelEditor* editor) { editor_ = editor; }

    EditorModel& model() { return model_; }
    const EditorModel& model() const { return model_; }
    const ChannelClipboard& clipboard() const { return clipboard_; }
    // The sort mode and flags; its status text describes the last sort.
    const ChannelSorter& sorter() const { return sorter_; }

    ViewKind viewKind() const { return viewKind_; }
    bool digitalFlag() const { return digital_; }
    bool editEnabled() const { return editEnabled_; }
    bool detailColumns() const { return detailColumns_; }
    std::size_t currentRow() const { return currentRow_; }
    // What the list shows now.
    const ShownList& shownList() const { return shown_; }

    // Whether a command is enabled and checked, and its text where it has one (the menu's
    // update).
    CommandState commandState(ViewCommand command) const;
    // Carries out a command when it is enabled.
    void run(ViewCommand command);

    // Renumbers the channels when asked, rebuilds the detail rows and shows them anew.
    void refresh(bool renumber);

    // The document's notifications and requests.
    // After Open, Save and Save As: the list equals its file; no undo entries.
    void onReset();
    // After Open and Save As: the undo history is emptied completely.
    void clearUndoHistory();
    // The load command: reads the document's file into the list.
    void onReload();
    // The document's Open, once the database is bound to the chosen file: the reset
    // notification, the load command and the full clear of the undo history, in one step that
    // takes effect only when the file loads. A failed load leaves the list, its modified state
    // and its undo history exactly as they were (the host puts the previous path back). Returns
    // whether the file was loaded.
    bool onOpen();
    // The document's Save: the reset notification, then the list is written to the document's
    // file; "ERROR!!! Saving not Complete" when that fails. Returns whether it was written.
    bool save();
    // The list is about to be closed or replaced: unsaved changes are offered for saving (Yes,
    // No, Cancel). Returns whether the caller may go on: false on Cancel and when the save
    // failed, with the list and its modified state kept.
    bool onClose();

    // Input from the list widget.
    void onKey(ViewKey key);
    void onDoubleClick();
    // Rows can be dragged: in the detail views of an open list.
    bool canDrag() const { return loaded() && inDetail(); }
    // The selected rows were dropped on the target row: a contiguous block moves there as a group
    // (with its undo entry), a single row on its own, while editing is on. A drop on the dragged
    // rows moves nothing.
    void dropSelectedRows(std::size_t target);

private:
    bool loaded() const { return host_.isLoaded(); }
    bool inDetail() const { return viewKind_ == ViewKind::Detail; }
    void show(ViewKind kind, bool digital);
    // Shows the list anew between the reset notifications.
    void refill();
    // Points the shown list at the view's rows; a missing section's marker comes back as the
    // message to show once the table has been reset.
    std::optional<std::string> updateShownList();
    void selectRow(std::size_t row);
    bool pasteAvailable() const;
    // Reads the document's file into the list; on success, `opening` first empties the undo
    // history and the revert copy, as Open's reset does.
    bool load(bool opening);

    void editRows(ViewKey key);
    void newChannel();
    void undo();
    void sort(SortMode mode);
    // Runs an edit that keeps no undo entry and shows its result without renumbering.
    void changeWithoutUndo(const std::function<bool(TokenArray&)>& edit);

    IListControl& list_;
    IUserInterface& ui_;
    IViewHost& host_;
    IChannelEditor* editor_ = nullptr;
    EditorModel model_;
    ChannelClipboard clipboard_;
    ChannelSorter sorter_;
    ShownList shown_;

    ViewKind viewKind_ = ViewKind::Detail;
    bool digital_ = true;
    bool editEnabled_ = true;
    bool detailColumns_ = false;
    DetailWidths widths_ = DetailWidths::Start;
    std::size_t currentRow_ = 0;
};

}  // namespace sky
