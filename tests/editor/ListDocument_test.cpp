// The list document without a view: open, reload, save, the question before the list is closed
// or replaced, and edit(), the one way the list changes.

#include "editor/document/ListDocument.h"

#include <gtest/gtest.h>

#include "common/RuntimeSettings.h"
#include "editor/ListFixture.h"
#include "editor/editing/ListSorting.h"
#include "editor/editing/RowEdits.h"
#include "editor/model/SectionMap.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky::test {
namespace {

// Counts what the document tells its views.
class ObserverDouble : public IListObserver {
public:
    void listChanged(ListChange) override { ++changes; }
    int changes = 0;
};

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() { document.addObserver(observer); }
    ~DocumentTest() override { document.removeObserver(observer); }

    // The name in a row of the Digital Channel view (of the Analog Channel view with `digital`
    // off), and the rows of the Digital Channel view.
    std::string name(std::size_t row, bool digital = true) const {
        return digital ? document.digitalRows().cell(row, 5) : document.analogRows().cell(row, 4);
    }
    std::size_t digitalRows() const { return document.digitalRows().rowCount(); }
    std::string undoText() const { return document.undoHistory().menuItem().text; }
    // The edits of the list view's keys on one selected row.
    void editRow(RowEdit edit, std::size_t row, bool digital = true) {
        editSelectedRows(document, edit, digital, {row}, clipboard);
    }

    RecordingUi ui;
    RuntimeSettings settings;
    ListDocument document{ui, settings};
    ObserverDouble observer;
    ChannelClipboard clipboard;
};

class DocumentFileTest : public DocumentTest {
protected:
    void SetUp() override {
        path = dir.file("channels.txt");
        writeFile(path, readFile(exampleFile("channels.txt")));
    }
    void open() { ASSERT_TRUE(document.open(path)); }

    TempDir dir;
    std::string path;
};

TEST_F(DocumentTest, RefusedAndEmptyChangesLeaveNoStepAndNoModifiedFlag) {
    // No list open: nothing runs.
    bool ran = false;
    const auto change = [&](ListEdit&) { return ran = true; };
    EXPECT_FALSE(document.edit("Delete Channel", change, Renumber::Yes));
    EXPECT_FALSE(ran);

    document.adopt(sampleList().tokens());
    const TokenArray before = document.tokens();
    const int shown = observer.changes;
    // A change that finds nothing to do, and a transfer's hold on the list.
    EXPECT_FALSE(document.edit(
        "Paste Channel", [](ListEdit&) { return false; }, Renumber::Yes));
    document.setLocked(true);
    EXPECT_FALSE(document.edit("Delete Channel", change, Renumber::Yes));
    EXPECT_FALSE(ran);
    document.setLocked(false);

    EXPECT_EQ(document.tokens(), before);
    EXPECT_EQ(undoText(), "Undo Disable");
    EXPECT_FALSE(document.modified());
    EXPECT_FALSE(document.hasUnsavedChanges());
    EXPECT_EQ(observer.changes, shown);
}

// Over lists of many shapes: an edit marks the list modified, shows it once, and one undo gives
// back every byte and the unmodified state.
TEST_F(DocumentTest, ChangeMarksModifiedAndOneUndoGivesBackEveryByte) {
    for (int digital = 1; digital <= 7; digital += 3) {
        for (int pid = 0; pid <= 4; pid += 2) {
            for (int analog = 1; analog <= 5; analog += 2) {
                document.adopt(sampleList(digital, pid, analog).tokens());
                const TokenArray before = document.tokens();
                const int shown = observer.changes;
                const std::size_t last = static_cast<std::size_t>(digital + pid) - 1;
                EXPECT_TRUE(document.edit(
                    "Delete Channel",
                    [&](ListEdit& list) {
                        return deleteRows(list.tokens(), true, {0, last});
                    },
                    Renumber::Yes));
                EXPECT_TRUE(document.modified());
                EXPECT_EQ(observer.changes, shown + 1);
                EXPECT_EQ(undoText(), "Undo (1 - Delete Channel)");

                EXPECT_TRUE(document.undo());
                EXPECT_EQ(document.tokens(), before);
                EXPECT_FALSE(document.hasUnsavedChanges());
            }
        }
    }
}

TEST_F(DocumentFileTest, OpenTellsEveryObserver) {
    ObserverDouble second;
    document.addObserver(second);
    open();
    EXPECT_EQ(document.path(), path);
    ASSERT_EQ(digitalRows(), 16u);
    EXPECT_EQ(name(0), "Das Erste");
    EXPECT_EQ(name(14), "Rai Test");
    EXPECT_EQ(observer.changes, 1);
    EXPECT_EQ(second.changes, 1);
    EXPECT_FALSE(document.hasUnsavedChanges());

    // An edit is told to every observer.
    editRow(RowEdit::Delete, 0);
    EXPECT_EQ(name(0), "BR Sued");
    EXPECT_EQ(second.changes, 2);
    document.removeObserver(second);
}

TEST_F(DocumentFileTest, ListTheLoaderWantsWrittenBackIsSavedAtOnce) {
    std::string text = readFile(path);
    text.replace(text.find("6FEE"), 4, "0000");
    writeFile(path, text);
    open();
    EXPECT_EQ(readFile(path).rfind("\r\n\r\n[SATELLITE_NAME_LIST]\r\n", 0), 0u);
    EXPECT_EQ(document.digitalRows().cell(0, 3), "0000");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DocumentFileTest, FailedReloadKeepsTheListShownSoFar) {
    open();
    const TokenArray before = document.tokens();
    writeFile(path, "[SATELLITE]\r\n0 \"broken\r\n");
    EXPECT_FALSE(document.reload());
    EXPECT_EQ(document.tokens(), before);
    EXPECT_EQ(digitalRows(), 16u);
}

TEST_F(DocumentFileTest, FailedOpenKeepsTheEditsTheirModifiedStateAndTheirUndoHistory) {
    open();
    editRow(RowEdit::Delete, 0);
    editRow(RowEdit::InsertNull, 1);
    ChannelSorter sorter;
    sortList(document, sorter, SortMode::ChannelName);
    const TokenArray edited = document.tokens();
    const std::string undoBefore = undoText();
    ASSERT_EQ(undoBefore, "Undo (3 - Sort Channel)");

    const std::string broken = dir.file("broken.txt");
    writeFile(broken, "[SATELLITE]\r\n0 \"broken\r\n");
    EXPECT_FALSE(document.open(broken));
    EXPECT_EQ(document.path(), path);
    EXPECT_EQ(document.tokens(), edited);
    EXPECT_TRUE(document.modified());
    EXPECT_TRUE(document.hasUnsavedChanges());
    EXPECT_EQ(undoText(), undoBefore);

    // Closing still offers the edits for saving, and every undo step still works.
    ui.answer({Answer::No});
    EXPECT_TRUE(document.offerSaving());
    EXPECT_EQ(ui.questions.size(), 1u);
    document.undo();
    document.undo();
    document.undo();
    EXPECT_EQ(undoText(), "Undo Disable");
    EXPECT_EQ(name(0), "Das Erste");

    // A successful Open then starts afresh.
    editRow(RowEdit::Delete, 0);
    EXPECT_TRUE(document.open(path));
    EXPECT_EQ(undoText(), "Undo Disable");
    EXPECT_FALSE(document.hasUnsavedChanges());
    EXPECT_EQ(name(0), "Das Erste");
}

TEST_F(DocumentFileTest, SaveWritesTheListAndEmptiesTheUndoHistory) {
    open();
    editRow(RowEdit::Delete, 0);
    EXPECT_TRUE(document.save());
    EXPECT_EQ(undoText(), "Undo Disable");
    EXPECT_FALSE(document.hasUnsavedChanges());

    const TokenArray saved = document.tokens();
    EXPECT_TRUE(document.reload());
    EXPECT_EQ(document.tokens(), saved);
    EXPECT_EQ(name(0), "BR Sued");
}

TEST_F(DocumentFileTest, ClosingAsksOnlyWhenTheListDiffersFromItsFile) {
    open();
    document.offerSaving();
    EXPECT_TRUE(ui.questions.empty());

    // A change that keeps no undo entry is still unsaved.
    document.markModified();
    ui.answer({Answer::No});
    document.offerSaving();
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, "Saveing  Modified Data!!!");
    EXPECT_EQ(ui.questions[0].caption, "Saving");
    EXPECT_EQ(ui.questions[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(readFile(path), readFile(exampleFile("channels.txt")));

    editRow(RowEdit::Delete, 0);
    ui.answer({Answer::Yes});
    document.offerSaving();
    EXPECT_FALSE(document.hasUnsavedChanges());
    open();
    EXPECT_EQ(name(0), "BR Sued");

    // Undoing back to what the file holds leaves nothing to ask about.
    editRow(RowEdit::Delete, 0);
    document.undo();
    document.offerSaving();
    EXPECT_EQ(ui.questions.size(), 2u);
}

// The file numbers its analog channels from 0: open keeps that, an edit renumbers only the group
// of sections it changes, and undo gives back every byte.
TEST_F(DocumentFileTest, EditRenumbersOnlyItsGroupAndUndoGivesBackTheFile) {
    open();
    TokenArray fileTokens;
    ASSERT_NE(ListFile(settings, ui, path).loadChannelList(fileTokens), LoadResult::Failed);
    EXPECT_EQ(document.tokens(), fileTokens);
    const auto saved = [&] {
        const std::string copy = dir.file("copy.txt");
        ListFile(settings, ui, copy).saveText(document.tokens());
        return readFile(copy);
    };
    const auto cells = [&](SectionState state) {
        const TokenArray& tokens = document.tokens();
        const SectionSpan span = locateSections(tokens)[state];
        return TokenArray(tokens.begin() + static_cast<std::ptrdiff_t>(span.begin),
                          tokens.begin() + static_cast<std::ptrdiff_t>(span.end));
    };
    const std::string file = saved();

    const TokenArray analog = cells(kAnalogTpSection);
    editRow(RowEdit::Delete, 0);
    EXPECT_EQ(cells(kAnalogTpSection), analog);
    EXPECT_EQ(cells(kChannelSection).front(), "1");
    document.undo();
    EXPECT_EQ(saved(), file);
    EXPECT_FALSE(document.hasUnsavedChanges());

    const TokenArray digital = cells(kChannelSection);
    const TokenArray pid = cells(kChannelPidSection);
    editRow(RowEdit::Delete, 1, false);
    EXPECT_EQ(cells(kChannelSection), digital);
    EXPECT_EQ(cells(kChannelPidSection), pid);
    EXPECT_EQ(cells(kAnalogTpSection).front(), "1");
    document.undo();
    EXPECT_EQ(saved(), file);
}

TEST_F(DocumentFileTest, FailedWriteIsReportedAndTheListStaysUnsaved) {
    open();
    editRow(RowEdit::Delete, 0);
    document.database()->path = dir.file("missing-folder/channels.txt");
    EXPECT_FALSE(document.save());
    EXPECT_EQ(ui.messages.back(), "ERROR!!! Saving not Complete");
    EXPECT_EQ(undoText(), "Undo Disable");
    ui.answer({Answer::No});
    document.offerSaving();
    EXPECT_EQ(ui.questions.size(), 1u);
}

}  // namespace
}  // namespace sky::test
