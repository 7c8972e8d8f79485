#include "editor/view/ListView.h"

#include <algorithm>

#include "editor/editing/ListSorting.h"
#include "editor/editing/RowEdits.h"
#include "editor/view/ViewContents.h"

namespace sky {

namespace {

// The mode a sort command sorts by, if it is one.
std::optional<SortMode> sortModeOf(Command command) {
    switch (command) {
        case Command::SortChannelName:
            return SortMode::ChannelName;
        case Command::SortFrequency:
            return SortMode::Frequency;
        case Command::SortBouquet:
            return SortMode::Bouquet;
        case Command::SortNameOnly:
            return SortMode::NameOnly;
        default:
            return std::nullopt;
    }
}

// The section list a command shows, if it shows one.
std::optional<ViewKind> sectionListOf(Command command) {
    switch (command) {
        case Command::SatelliteList:
            return ViewKind::SatelliteList;
        case Command::SatelliteNameList:
            return ViewKind::SatelliteNameList;
        case Command::DigitalTpList:
            return ViewKind::DigitalTpList;
        case Command::DigitalChannelList:
            return ViewKind::DigitalChannelList;
        case Command::DigitalPidChannelList:
            return ViewKind::DigitalPidChannelList;
        case Command::AnalogChannelList:
            return ViewKind::AnalogChannelList;
        default:
            return std::nullopt;
    }
}

}  // namespace

ListView::ListView(IListControl& list, IUserInterface& ui, ListDocument& document)
    : list_(list), ui_(ui), document_(document) {
    document_.addObserver(*this);
    refill();
}

ListView::~ListView() {
    document_.removeObserver(*this);
}

void ListView::listAboutToChange() {
    list_.beginReset();
}

void ListView::listChanged(ListChange) {
    // The document changed the rows; the view's columns stay as they are.
    const std::optional<std::string> problem = updateShownList();
    list_.endReset(ResetScope::Rows);
    // The box comes after the reset, so that the table behind it shows the list as it now is.
    if (problem) ui_.message(*problem);
}

void ListView::listSaved() {
    sorter_.discardRevertCopy();
}

CommandState ListView::commandState(Command command) const {
    CommandState state;
    // The menu texts are the command table's; only the texts that change are given here.
    state.enabled = loaded();
    if (const auto kind = sectionListOf(command)) {
        state.checked = viewKind_ == *kind;
        return state;
    }
    if (sortModeOf(command)) return state;
    switch (command) {
        case Command::DigitalChannel:
            state.checked = inDetail() && digital_;
            break;
        case Command::AnalogChannel:
            state.checked = inDetail() && !digital_;
            break;
        case Command::ViewDetail:
            state.checked = detailColumns_;
            break;
        case Command::ToggleEdit:
            state.checked = editEnabled_;
            break;
        case Command::New:
            state.enabled = state.enabled && inDetail();
            break;
        case Command::Paste:
            state.enabled = state.enabled && inDetail() && canPaste(clipboard_, digital_);
            break;
        case Command::Undo: {
            const UndoHistory::MenuItem item = document_.undoHistory().menuItem();
            state.enabled = state.enabled && item.enabled;
            state.text = item.text;
            break;
        }
        case Command::Redo: {
            const UndoHistory::MenuItem item = document_.undoHistory().redoMenuItem();
            state.enabled = state.enabled && item.enabled;
            state.text = item.text;
            break;
        }
        case Command::ToggleAscendingNames:
            state.checked = sorter_.flags.ascendingNames;
            break;
        case Command::ToggleRenumberAfterSort:
            state.checked = sorter_.flags.renumberAfterSort;
            break;
        case Command::RevertArrangement:
            state.enabled = canRevertArrangement(document_, sorter_);
            break;
        case Command::MoveToNumber:
        case Command::MoveUp:
        case Command::MoveDown:
        case Command::MoveToTop:
        case Command::MoveToBottom:
            state.enabled = canMove();
            break;
        default:
            break;
    }
    return state;
}

void ListView::run(Command command) {
    if (!commandState(command).enabled) return;
    if (const auto kind = sectionListOf(command)) {
        show(*kind, digital_);
        return;
    }
    if (const auto mode = sortModeOf(command)) {
        sort(*mode);
        return;
    }
    switch (command) {
        case Command::DigitalChannel:
            show(ViewKind::Detail, true);
            break;
        case Command::AnalogChannel:
            show(ViewKind::Detail, false);
            break;
        case Command::ViewDetail:
            if (!inDetail()) break;
            detailColumns_ = !detailColumns_;
            widths_ = detailColumns_ ? DetailWidths::On : DetailWidths::Off;
            refill();
            break;
        case Command::ToggleEdit:
            editEnabled_ = !editEnabled_;
            break;
        case Command::New:
            if (editable()) newChannel(document_, editor_, digital_);
            break;
        case Command::Cut:
            editSelected(RowEdit::Cut);
            break;
        case Command::Paste:
            editSelected(RowEdit::Paste);
            break;
        case Command::InsertNull:
            editSelected(RowEdit::InsertNull);
            break;
        case Command::Delete:
            editSelected(RowEdit::Delete);
            break;
        case Command::Undo:
            document_.undo();
            break;
        case Command::Redo:
            document_.redo();
            break;
        case Command::ToggleAscendingNames:
            sorter_.flags.ascendingNames = !sorter_.flags.ascendingNames;
            break;
        case Command::ToggleRenumberAfterSort:
            sorter_.flags.renumberAfterSort = !sorter_.flags.renumberAfterSort;
            break;
        case Command::ArrangeBlocks:
            reorderAll([this] { return arrangeBlocks(document_, sorter_); });
            break;
        case Command::RevertArrangement:
            reorderAll([this] { return revertArrangement(document_, sorter_); });
            break;
        case Command::MoveToNumber:
            if (numberPrompt_) {
                moveSelected([this](std::vector<std::size_t>& rows) {
                    return askNumberAndMove(document_, *numberPrompt_, digital_, rows);
                });
            }
            break;
        case Command::MoveUp:
        case Command::MoveDown:
            moveSelected([this, up = command == Command::MoveUp](std::vector<std::size_t>& rows) {
                return shiftSelectedRows(document_, digital_, rows, up);
            });
            break;
        case Command::MoveToTop:
        case Command::MoveToBottom:
            moveSelected(
                [this, top = command == Command::MoveToTop](std::vector<std::size_t>& rows) {
                    return moveRowsToEdge(document_, digital_, rows, top);
                });
            break;
        default:
            break;
    }
}

void ListView::toggleDigitalAnalog() {
    if (loaded()) show(ViewKind::Detail, !digital_);
}

std::string ListView::digitalAnalogToggleText() const {
    return digital_ ? "View Analog Channel" : "View Digital Channel";
}

void ListView::sort(SortMode mode) {
    reorderAll([this, mode] { return sortList(document_, sorter_, mode); });
}

void ListView::reorderAll(const std::function<bool()>& reorder) {
    if (!document_.editable()) return;
    // A sort and the block arrangement reorder the whole list: the find bar starts afresh, before
    // the views show the new order. (Revert runs only while there is an arrangement to revert.)
    finder_.clear();
    reorder();
}

void ListView::editSelected(RowEdit edit) {
    if (!editable() || !inDetail()) return;
    const std::vector<std::size_t> rows = selectedListRows();
    if (rows.empty()) return;
    editSelectedRows(document_, edit, digital_, rows, clipboard_);
    selectRow(rows.front());
}

MoveResult ListView::moveSelected(
    const std::function<MoveResult(std::vector<std::size_t>&)>& move) {
    if (!canMove()) return MoveResult::Unchanged;
    std::vector<std::size_t> rows = selectedListRows();
    const MoveResult result = move(rows);
    // The selection stays on the moved rows.
    if (result == MoveResult::Moved) selectListRows(rows);
    return result;
}

void ListView::show(ViewKind kind, bool digital) {
    // Another view has other columns and rows: the find bar starts afresh.
    finder_.clear();
    viewKind_ = kind;
    digital_ = digital;
    refill();
}

void ListView::refill() {
    list_.beginReset();
    const std::optional<std::string> problem = updateShownList();
    list_.endReset(ResetScope::ColumnsAndRows);
    // The box comes after the reset, so that the table behind it shows the list as it now is.
    if (problem) ui_.message(*problem);
}

std::optional<std::string> ListView::updateShownList() {
    std::optional<std::string> problem = pointShownList();
    applyFind();
    return problem;
}

std::optional<std::string> ListView::pointShownList() {
    return showView(shown_, document_, viewKind_, digital_, widths_);
}

std::vector<std::size_t> ListView::selectedListRows() const {
    return shown_.listRows(list_.selectedRows());
}

void ListView::selectRow(std::size_t listRow) {
    if (const std::optional<std::size_t> last = list_.lastVisibleRow()) list_.ensureVisible(*last);
    if (const std::optional<std::size_t> row = shown_.shownRowFrom(listRow)) {
        list_.selectAndFocus(*row);
    }
}

void ListView::selectListRows(const std::vector<std::size_t>& listRows) {
    std::vector<std::size_t> rows;
    for (std::size_t listRow : listRows) {
        if (const std::optional<std::size_t> row = shown_.shownRow(listRow)) rows.push_back(*row);
    }
    list_.selectRows(rows);
    if (!rows.empty()) list_.ensureVisible(rows.front());
}

}  // namespace sky
