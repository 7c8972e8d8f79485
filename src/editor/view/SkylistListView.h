#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/UserInterface.h"
#include "db/TokenArray.h"
#include "editor/document/ListDocument.h"
#include "editor/editing/ChannelClipboard.h"
#include "editor/editing/ChannelEditor.h"
#include "editor/sort/ChannelSorter.h"
#include "editor/view/ListControl.h"
#include "editor/view/ShownList.h"
#include "editor/view/ViewColumns.h"
#include "editor/view/ViewCommands.h"

namespace sky {

// Keys the view acts on.
enum class ViewKey { F2, F3, F4, Insert, Delete };

// The list view's logic, apart from any window system: a view of the list document, it shows one
// of the document's lists (shownList(), read by the widget on demand, with a reset notification
// through the IListControl whenever it changes), and carries out the view and editing commands,
// the keys, the double-click and drag-and-drop. The document loads, saves and keeps the undo
// history; the view hears of every change from it, also of changes made through another view.
//
// Single channels and satellites are edited by an IChannelEditor plugged in with
// setChannelEditor(): the double-click and F2 call it (see ChannelEditor.h for who records
// which undo entry); without one those gestures do nothing. Every command works only while the
// document has a list open.
class CSkylistListView : private IListObserver {
public:
    CSkylistListView(IListControl& list, IUserInterface& ui, ListDocument& document);
    ~CSkylistListView() override;
    CSkylistListView(const CSkylistListView&) = delete;
    CSkylistListView& operator=(const CSkylistListView&) = delete;

    void setChannelEditor(IChannelEditor* editor) { editor_ = editor; }

    ListDocument& model() { return document_; }
    const ListDocument& model() const { return document_; }
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

    // Renumbers the channels when asked, rebuilds the detail rows and shows them anew (in every
    // view of the document).
    void refresh(bool renumbering) { document_.changed(renumbering); }

    // Input from the list widget.
    void onKey(ViewKey key);
    void onDoubleClick();
    // Rows can be dragged: in the detail views of an open list.
    bool canDrag() const { return editable() && inDetail(); }
    // The selected rows were dropped on the target row: a contiguous block moves there as a group
    // (with its undo entry), a single row on its own, while editing is on. A drop on the dragged
    // rows moves nothing.
    void dropSelectedRows(std::size_t target);

private:
    // IListObserver.
    void listAboutToChange() override;
    void listChanged(ListChange change) override;
    void listSaved() override;

    bool loaded() const { return document_.loaded(); }
    // A list is open and no transfer holds it.
    bool editable() const { return loaded() && !document_.locked(); }
    bool inDetail() const { return viewKind_ == ViewKind::Detail; }
    void show(ViewKind kind, bool digital);
    // Shows the list anew between the reset notifications.
    void refill();
    // Points the shown list at the view's rows; a missing section's marker comes back as the
    // message to show once the table has been reset.
    std::optional<std::string> updateShownList();
    void selectRow(std::size_t row);
    bool pasteAvailable() const;

    void editRows(ViewKey key);
    void newChannel();
    void undo();
    void sort(SortMode mode);
    // Runs an edit that keeps no undo entry and shows its result without renumbering.
    void changeWithoutUndo(const std::function<bool(TokenArray&)>& edit);

    IListControl& list_;
    IUserInterface& ui_;
    ListDocument& document_;
    IChannelEditor* editor_ = nullptr;
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
