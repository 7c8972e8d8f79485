#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/UserInterface.h"
#include "db/TokenArray.h"
#include "editor/commands/Command.h"
#include "editor/document/ListDocument.h"
#include "editor/editing/ChannelClipboard.h"
#include "editor/editing/ChannelEditor.h"
#include "editor/editing/RowEdits.h"
#include "editor/editing/RowMoves.h"
#include "editor/editing/RowPlacement.h"
#include "editor/find/ListFinder.h"
#include "editor/find/RowFilter.h"
#include "editor/sort/ChannelSorter.h"
#include "editor/view/ListControl.h"
#include "editor/view/NumberPrompt.h"
#include "editor/view/ShownList.h"
#include "editor/view/ViewColumns.h"

namespace sky {

// The list view's logic, apart from any window system: a view of the list document, it shows one
// of the document's lists (shownList(), read by the widget on demand, with a reset notification
// through the IListControl whenever it changes), and carries out the view commands, the
// double-click and drag-and-drop. The edits themselves are the handlers of src/editor/editing
// (RowEdits, RowMoves, ListSorting) over the document's edit() and the selected list rows; the
// view gives them its rows and puts the selection back afterwards. The document loads, saves and
// keeps the undo history; the view hears of every change from it, also of changes made through
// another view.
//
// Single channels and satellites are edited by an IChannelEditor plugged in with
// setChannelEditor(): the double-click and F2 call it (see ChannelEditor.h for who records
// which undo entry); without one those gestures do nothing. Every command works only while the
// document has a list open.
//
// The find bar narrows what the list shows (see "Find and filter" below): with "Show only
// matching rows" the shown list holds only the matching rows, and the rows the widget reports
// (selectedRows()) are shown rows. Every edit maps them to the rows of the whole list first, so
// Delete, Cut, Insert Null, Paste, the double-click, the drag and the moves act on the channels
// the user selected, exactly as without a filter; the numbers shown stay the list's own. The
// edits that need a place between rows take it in the whole list: Paste puts the cut channels
// above the selected channel, Insert Null below it, a drop moves the dragged channels to the
// drop row's channel (see dropSelectedRows). After the edit the query is applied to the new list
// and the selection put on the real rows the edit selects, where they are still shown.
class ListView : private IListObserver {
public:
    ListView(IListControl& list, IUserInterface& ui, ListDocument& document);
    ~ListView() override;
    ListView(const ListView&) = delete;
    ListView& operator=(const ListView&) = delete;

    void setChannelEditor(IChannelEditor* editor) { editor_ = editor; }
    // The dialog Move to Number asks its number with; without one that command does nothing.
    void setNumberPrompt(INumberPrompt* prompt) { numberPrompt_ = prompt; }

    ListDocument& model() { return document_; }
    const ListDocument& model() const { return document_; }
    const ChannelClipboard& clipboard() const { return clipboard_; }
    // The sort mode and flags; its status text describes the last sort.
    const ChannelSorter& sorter() const { return sorter_; }

    ViewKind viewKind() const { return viewKind_; }
    bool digitalFlag() const { return digital_; }
    bool editEnabled() const { return editEnabled_; }
    bool detailColumns() const { return detailColumns_; }
    // The list row last double-clicked.
    std::size_t currentRow() const { return currentRow_; }
    // What the list shows now.
    const ShownList& shownList() const { return shown_; }

    // The handler of the list's commands (the views, the edits of the selected rows, the moves,
    // the sorts and blocks, Undo and Redo; src/shell/commands/ListCommandBindings binds them):
    // whether one is enabled and checked, and its text where it has one (the menu's update); any
    // other command is disabled here. run() carries out a command when it is enabled.
    CommandState commandState(Command command) const;
    void run(Command command);
    // Switches the detail view between the digital and the analog channels, and the text a
    // button doing so shows.
    void toggleDigitalAnalog();
    std::string digitalAnalogToggleText() const;

    // Shows one record of a section and selects it (the comparison window's double-click): a
    // channel in the Digital or Analog Channel view, a transponder or a satellite in its
    // section's list; a view that hides the row under the find bar's filter shows every row.
    // False, with nothing changed, when the section has no such record.
    bool showRecord(SectionState section, std::size_t record);
    // Shows the Digital Channel view and selects its rows `rows` (the digital channels, then the
    // PID channels); false, with nothing changed, when a row is past the view's end.
    bool showDigitalChannels(const std::vector<std::size_t>& rows);

    // Renumbers the channels when asked, rebuilds the detail rows and shows them anew (in every
    // view of the document).
    void refresh(bool renumbering) { document_.changed(renumbering); }

    // Input from the list widget.
    void onDoubleClick();
    // Rows can be dragged: in the detail views of an open list.
    bool canDrag() const { return editable() && inDetail(); }
    // The selected rows were dropped on the target row: a contiguous block moves there as a group
    // ("Group Move"), a single row on its own ("Move Channel"), while editing is on. A drop on the
    // dragged rows moves nothing.
    //
    // Under a filter that hides rows the block is contiguous as shown, and the drop acts at the
    // real places: moving down, the selected channels end just above the channel of the target
    // row; moving up, they begin at it, closing up where they stood (rows hidden between them
    // stay where they are). A drop on the block or on the row just below it moves nothing.
    void dropSelectedRows(std::size_t target);

    // Find and filter: what the find bar calls. A query (FindQuery.h) sets a text, a column,
    // the quick filters and "Show only matching rows"; the matches are the rows of the whole list
    // that pass it. With "Show only matching rows" the shown list presents only the matches (the
    // widget is reset and the selection kept on the real rows still shown); without it every row
    // stays and the bar steps through the matches. After every edit or undo the query is applied
    // to the new list. A sort, the block arrangement and a switch to another view (Digital and
    // Analog Channel, the section lists) clear it; View Detail keeps it. The bar reads
    // findQuery() back after each command, which may have cleared it. A query never changes the
    // list or its file. The window's Find command (Ctrl+F) only opens the bar; finding may go on
    // during a transfer.
    const FindQuery& findQuery() const { return finder_.query(); }
    void setFindQuery(FindQuery query);
    // Esc in the bar, or closing it: no query, every row shown, the selection on the real rows
    // it was on.
    void clearFind();
    // Enter and Shift+Enter in the bar: selects the next or previous match after or before the
    // first selected row (from the top or the bottom when nothing is selected), wrapping at the
    // ends, and scrolls to it. Returns the shown row selected; nothing when nothing matches.
    std::optional<std::size_t> findNext();
    std::optional<std::size_t> findPrevious();
    // The list rows that match, ascending (none while the query narrows nothing).
    const std::vector<std::size_t>& findMatches() const { return finder_.matches(); }
    // The bar's count for the first selected row: "3 of 41", "41 Matches", "No Matches", or
    // empty while the query narrows nothing.
    std::string findCountText() const;
    // The column choice: "All columns" (no column in the query) or one of these, indexes into
    // shownList().columns() (the columns shown, with a width).
    std::vector<std::size_t> findColumns() const { return searchedColumns(shown_.columns()); }
    // The satellite choice: "All" or one of the list's satellites; it filters only in a view
    // with a satellite column (every one but the Satellite Name List).
    std::vector<SatelliteChoice> satelliteChoices() const;
    bool satelliteFilterAvailable() const;
    // The TV / radio / all choice filters the Digital and Analog Channel views.
    bool typeFilterAvailable() const { return inDetail(); }

    // Moves of the selected rows (RowMoves.h), in the Digital and Analog Channel views while
    // editing is on: the commands MoveToNumber (through the number prompt), MoveUp, MoveDown,
    // MoveToTop and MoveToBottom. Each keeps the selection on the moved rows. Under a filter they
    // move the real rows: one place is one place in the whole list.
    //
    // The numbers the selection may start at; nothing while the selection cannot move (none, of
    // two sections, editing off, another view).
    std::optional<NumberRange> moveToNumberRange() const;
    // Moves the selection to start at the number, as one undo step. A number outside the range
    // is refused with a message naming the range (or the sections' message for a number of the
    // other section); the result says why nothing moved.
    MoveResult moveSelectionToNumber(long long number);

    // What a command bound to a handler of src/editor/editing runs it through: the view gives the
    // handler the selected list rows and puts the selection back afterwards.
    bool loaded() const { return document_.loaded(); }
    // A list is open and no transfer holds it.
    bool editable() const { return loaded() && !document_.locked(); }
    bool inDetail() const { return viewKind_ == ViewKind::Detail; }
    // The moves work in the Digital and Analog Channel views while editing is on.
    bool canMove() const { return editable() && inDetail() && editEnabled_; }
    // The list rows of the selected shown rows.
    std::vector<std::size_t> selectedListRows() const;
    // Runs a key edit (RowEdits.h) on the selected list rows in the Digital or Analog Channel
    // view, then selects the first shown row at or after the first of them.
    void editSelected(RowEdit edit);
    // Runs a move handler (RowMoves.h) on the selected list rows while the rows can move, and
    // selects the rows it moved them to.
    MoveResult moveSelected(const std::function<MoveResult(std::vector<std::size_t>&)>& move);
    // Runs an edit of the whole list's order (ListSorting.h) while the list may change; the find
    // bar starts afresh.
    void reorderAll(const std::function<bool()>& reorder);
    // The sorter the sort handlers and the sort flags' toggles work on.
    ChannelSorter& sorter() { return sorter_; }

private:
    void sort(SortMode mode);
    // IListObserver.
    void listAboutToChange() override;
    void listChanged(ListChange change) override;
    void listSaved() override;

    void show(ViewKind kind, bool digital);
    // Shows the list anew between the reset notifications.
    void refill();
    // Points the shown list at the view's rows and applies the find bar's query; a missing
    // section's marker comes back as the message to show once the table has been reset.
    std::optional<std::string> updateShownList();
    std::optional<std::string> pointShownList();
    // Selects the first shown row at or after a list row (the page kept in view).
    void selectRow(std::size_t listRow);
    // Makes the shown ones of these list rows the selection and scrolls to the first.
    void selectListRows(const std::vector<std::size_t>& listRows);

    // Finds the query's matches in the list shown and hides the others when it asks so; only
    // between the reset notifications.
    void applyFind();
    std::optional<std::size_t> findStep(bool forward);

    IListControl& list_;
    IUserInterface& ui_;
    ListDocument& document_;
    IChannelEditor* editor_ = nullptr;
    INumberPrompt* numberPrompt_ = nullptr;
    ChannelClipboard clipboard_;
    ChannelSorter sorter_;
    ShownList shown_;
    ListFinder finder_;

    ViewKind viewKind_ = ViewKind::Detail;
    bool digital_ = true;
    bool editEnabled_ = true;
    bool detailColumns_ = false;
    DetailWidths widths_ = DetailWidths::Start;
    std::size_t currentRow_ = 0;
};

}  // namespace sky
