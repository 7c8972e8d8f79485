// Editing through the list view: keys, undo, drag-and-drop and the double-click seam.

#include <gtest/gtest.h>

#include "editor/ViewFixture.h"

namespace sky::test {
namespace {

TEST_F(ViewTest, DeleteTakesEverySelectedRowEvenBelowTheVisiblePage) {
    show(sampleList(30, 0, 0));
    list.perPage = 10;
    list.select({3, 5, 25});
    view.run(Command::Delete);
    ASSERT_EQ(list.rows.size(), 27u);
    const Names names = shownNames();
    EXPECT_EQ(names[3], "D5");
    EXPECT_EQ(names[4], "D7");
    EXPECT_EQ(std::count(names.begin(), names.end(), "D26"), 0);
    // Renumbered, the first selected row selected again, the page's last row scrolled to.
    EXPECT_EQ(list.column(0)[26], "27");
    EXPECT_EQ(list.selection, std::set<int>{3});
    EXPECT_EQ(list.ensuredVisible.back(), 9);
    EXPECT_EQ(undoText(), "Undo (1 - Delete Channel)");
}

TEST_F(ViewTest, SixDeletesAndSixUndosRestoreFiveSteps) {
    show(sampleList(8, 0, 0));
    std::vector<TokenArray> states{view.model().tokens()};
    for (int i = 0; i < 6; ++i) {
        list.select({0});
        view.run(Command::Delete);
        states.push_back(view.model().tokens());
    }
    EXPECT_EQ(list.rows.size(), 2u);
    EXPECT_EQ(undoText(), "Undo (5 - Delete Channel)");
    for (int before = 5; before >= 1; --before) {
        view.run(Command::Undo);
        EXPECT_EQ(view.model().tokens(), states[static_cast<std::size_t>(before)]);
    }
    EXPECT_EQ(undoText(), "Undo Disable");
    view.run(Command::Undo);
    EXPECT_EQ(view.model().tokens(), states[1]);
    EXPECT_EQ(list.rows.size(), 7u);
}

TEST_F(ViewTest, UndoShowsTheRestoredListWithoutRenumbering) {
    TestList sample = sampleList(3, 0, 0);
    sample.channels[2][0] = "80";
    show(sample);
    document.adopt(sample.tokens(), Renumber::No);
    list.select({0});
    view.run(Command::Delete);
    EXPECT_EQ(list.column(0), (Names{"1", "2"}));
    view.run(Command::Undo);
    EXPECT_EQ(list.column(0), (Names{"1", "2", "80"}));
}

TEST_F(ViewTest, InsertNullCutAndPasteKeysWorkOnTheSelection) {
    show(sampleList(5, 2, 0));
    list.select({1, 2, 6});
    view.run(Command::InsertNull);
    EXPECT_EQ(shownNames(), (Names{"D1", "D2", "_", "_", "_", "D3", "D4", "D5", "P1", "P2"}));
    EXPECT_EQ(list.column(0)[9], "10");

    list.select({0, 9});
    view.run(Command::Cut);
    EXPECT_EQ(undoText(), "Undo (2 - Cut Channel)");
    EXPECT_TRUE(view.commandState(Command::Paste).enabled);
    view.run(Command::AnalogChannel);
    EXPECT_FALSE(view.commandState(Command::Paste).enabled);
    view.run(Command::DigitalChannel);

    // Pasting on a PID row takes the PID channel only; the digital part waits for its own row.
    list.select({7});
    view.run(Command::Paste);
    EXPECT_EQ(shownNames(), (Names{"D2", "_", "_", "_", "D3", "D4", "D5", "P2", "P1"}));
    EXPECT_EQ(list.column(0)[8], "9");
    EXPECT_EQ(undoText(), "Undo (3 - Paste Channel)");
    list.select({0});
    view.run(Command::Paste);
    EXPECT_FALSE(view.commandState(Command::Paste).enabled);
}

TEST_F(ViewTest, KeysAndDragsDoNothingOutsideTheDetailViewsOrWithoutSelection) {
    show(sampleList());
    const TokenArray before = view.model().tokens();
    view.run(Command::Delete);  // nothing selected
    view.run(Command::SatelliteList);
    list.select({0});
    for (Command key :
         {Command::New, Command::Cut, Command::Paste, Command::InsertNull, Command::Delete}) {
        view.run(key);
    }
    EXPECT_FALSE(view.canDrag());
    view.dropSelectedRows(1);
    EXPECT_EQ(view.model().tokens(), before);
    EXPECT_EQ(undoText(), "Undo Disable");
}

TEST_F(ViewTest, SortsAndTheBlockArrangementAreUndoSteps) {
    TestList sample = sampleList(0, 0, 0);
    sample.channels = {digital("1", "1", "1", "Beta"), digital("2", "1", "1", "alpha"),
                       digital("3", "1", "1", "Gamma")};
    show(sample);
    view.run(Command::ToggleAscendingNames);
    EXPECT_FALSE(view.commandState(Command::ToggleAscendingNames).checked);
    view.run(Command::SortChannelName);
    EXPECT_EQ(shownNames(), (Names{"Gamma", "Beta", "alpha"}));
    EXPECT_EQ(list.column(0), (Names{"1", "2", "3"}));
    EXPECT_EQ(undoText(), "Undo (1 - Sort Channel)");
    EXPECT_TRUE(view.model().hasUnsavedChanges());

    EXPECT_FALSE(view.commandState(Command::RevertArrangement).enabled);
    view.run(Command::ArrangeBlocks);
    EXPECT_EQ(list.rows.size(), 100u);
    EXPECT_EQ(undoText(), "Undo (2 - Arrange Blocks)");
    ASSERT_TRUE(view.commandState(Command::RevertArrangement).enabled);
    view.run(Command::RevertArrangement);
    EXPECT_EQ(shownNames(), (Names{"Gamma", "Beta", "alpha"}));
    EXPECT_EQ(undoText(), "Undo (3 - Revert Arrangement)");

    // An accidental sort no longer destroys the order built by hand: Undo gives it back.
    view.run(Command::Undo);
    view.run(Command::Undo);
    view.run(Command::Undo);
    EXPECT_EQ(shownNames(), (Names{"Beta", "alpha", "Gamma"}));
    EXPECT_FALSE(view.model().hasUnsavedChanges());
    EXPECT_EQ(view.commandState(Command::Redo).text, "Redo (3 - Sort Channel)");

    view.run(Command::ArrangeBlocks);
    EXPECT_EQ(view.commandState(Command::Redo).text, "Redo Disable");
    document.markSaved();
    EXPECT_FALSE(view.commandState(Command::RevertArrangement).enabled);
}

class DragTest : public ViewTest {
protected:
    // A drag starts on a row, which the press selects unless it is part of the selection.
    void drag(int from, int to) {
        if (list.selection.count(from) == 0) list.selection = {from};
        EXPECT_TRUE(view.canDrag());
        view.dropSelectedRows(static_cast<std::size_t>(to));
    }
};

TEST_F(DragTest, SelectedBlockMovesAsAGroupWithItsUndoEntry) {
    show(sampleList(10, 0, 0));
    list.select({2, 3, 4});
    drag(3, 8);
    EXPECT_EQ(shownNames(), (Names{"D1", "D2", "D6", "D7", "D8", "D3", "D4", "D5", "D9", "D10"}));
    EXPECT_EQ(list.column(0)[5], "6");
    EXPECT_EQ(list.selection, std::set<int>{7});
    EXPECT_EQ(undoText(), "Undo (1 - Group Move)");

    list.select({5, 6, 7});
    drag(6, 0);
    EXPECT_EQ(shownNames(), (Names{"D3", "D4", "D5", "D1", "D2", "D6", "D7", "D8", "D9", "D10"}));
    EXPECT_EQ(list.selection, std::set<int>{0});

    // A selection with a gap does not move.
    list.select({1, 3});
    drag(1, 8);
    EXPECT_EQ(shownNames().front(), "D3");
    EXPECT_EQ(undoText(), "Undo (2 - Group Move)");
}

TEST_F(DragTest, SingleRowMoveIsAnUndoStep) {
    show(sampleList(5, 2, 0));
    list.select({1});
    drag(1, 3);
    EXPECT_EQ(shownNames(), (Names{"D1", "D3", "D2", "D4", "D5", "P1", "P2"}));
    EXPECT_EQ(undoText(), "Undo (1 - Move Channel)");
    EXPECT_TRUE(view.model().hasUnsavedChanges());
}

TEST_F(DragTest, MovesBetweenDigitalAndPidChannelsAreRefusedOnce) {
    show(sampleList(5, 2, 0));
    const TokenArray before = view.model().tokens();
    list.select({});
    drag(1, 5);
    list.select({3, 4, 5});
    drag(3, 0);
    EXPECT_EQ(view.model().tokens(), before);
    EXPECT_EQ(ui.messages, (Names{kDragSectionMessage, kDragSectionMessage}));
    EXPECT_EQ(undoText(), "Undo Disable");
    EXPECT_FALSE(view.model().hasUnsavedChanges());
}

TEST_F(DragTest, NothingMovesWithEditingOffOrOntoTheSameOrNextRow) {
    show(sampleList(5, 0, 0));
    const TokenArray before = view.model().tokens();
    drag(2, 2);
    drag(2, 3);  // the row already stands just above the drop row
    EXPECT_FALSE(view.model().hasUnsavedChanges());
    view.run(Command::ToggleEdit);
    drag(0, 4);
    EXPECT_EQ(view.model().tokens(), before);
}

class DoubleClickTest : public ViewTest {
protected:
    void SetUp() override { view.setChannelEditor(&editor); }
    EditorDouble editor;
};

TEST_F(DoubleClickTest, AdjustKeepsItsUndoEntryOnlyWhenSomethingChanged) {
    show(sampleList(4, 0, 0));
    list.select({1});
    view.run(Command::Delete);
    const std::string before = undoText();

    list.select({2});
    view.onDoubleClick();
    EXPECT_EQ(editor.calls, (Names{"adjust digital 2"}));
    EXPECT_EQ(undoText(), before);
    EXPECT_EQ(view.currentRow(), 2u);
    EXPECT_TRUE(list.selection.count(2));

    editor.adjust = [](ListEdit& model, std::size_t row) {
        const auto record = model.recordOfRow(true, row);
        model.tokens()[record->cell + 5] = "Renamed";
        model.tokens().insert(model.tokens().begin() + static_cast<long>(record->cell),
                              {"1", "1", "1", "0BBB", "TV", "Copy", "1", "N"});
        return true;
    };
    list.select({2});
    view.onDoubleClick();
    EXPECT_EQ(undoText(), "Undo (2 - Setting channel)");
    EXPECT_EQ(shownNames(), (Names{"D1", "D3", "Copy", "Renamed"}));
    EXPECT_EQ(list.column(0), (Names{"1", "2", "3", "4"}));
}

TEST_F(DoubleClickTest, NoSingleSelectionStartsANewChannelOfTheShownKind) {
    show(sampleList(3, 0, 2));
    view.run(Command::AnalogChannel);
    list.select({0, 1});
    view.onDoubleClick();
    list.select({});
    view.run(Command::New);
    EXPECT_EQ(editor.calls, (Names{"new analog", "new analog"}));
    EXPECT_EQ(view.currentRow(), 0u);

    view.run(Command::ToggleEdit);
    view.onDoubleClick();
    EXPECT_EQ(editor.calls.size(), 2u);
}

TEST_F(DoubleClickTest, SatelliteEditRefreshesWithoutRenumberingAndCountsAsUnsaved) {
    TestList sample = sampleList(2, 0, 0);
    sample.channels[1][0] = "7";
    show(sample);
    document.adopt(sample.tokens(), Renumber::No);
    editor.satellite = [](ListEdit& model, std::size_t row) {
        model.tokens()[model.sections()[kSatelliteSection].begin + row * 7 + 1] = "NEWSAT";
        return true;
    };
    view.run(Command::SatelliteList);
    list.select({0});
    view.onDoubleClick();
    EXPECT_EQ(editor.calls, (Names{"satellite 0"}));
    EXPECT_EQ(list.column(1)[0], "NEWSAT");
    EXPECT_EQ(undoText(), "Undo (1 - Setting Satellite)");
    EXPECT_TRUE(view.model().hasUnsavedChanges());
    view.run(Command::DigitalChannel);
    EXPECT_EQ(list.column(0), (Names{"1", "7"}));
    EXPECT_EQ(list.column(15)[0], "NEWSAT");
}

}  // namespace
}  // namespace sky::test
