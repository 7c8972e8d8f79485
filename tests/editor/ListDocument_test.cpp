// The list view's load command, its save and the question when it closes.

#include <gtest/gtest.h>

#include "editor/ViewFixture.h"
#include "support/TempDir.h"

namespace sky::test {
namespace {

class ViewFileTest : public ViewTest {
protected:
    void SetUp() override {
        path = dir.file("channels.txt");
        writeFile(path, readFile(exampleFile("channels.txt")));
        host.db.path = path;
    }
    // What the document does on Open.
    void open() { view.onOpen(); }

    TempDir dir;
    std::string path;
};

TEST_F(ViewFileTest, ReloadShowsTheFileAndTitlesTheWindow) {
    open();
    EXPECT_EQ(host.title, "Skylister : " + path);
    ASSERT_EQ(list.rows.size(), 16u);
    EXPECT_EQ(list.rows[0].cells[5], "Das Erste");
    EXPECT_EQ(list.rows[14].cells[5], "Rai Test");
    EXPECT_FALSE(view.model().hasUnsavedChanges());

    host.uploadPath = "  " + path + " ";
    for (char& c : host.uploadPath) c = static_cast<char>(std::toupper(c));
    view.onReload();
    EXPECT_EQ(host.title, "Skylister : Untitled");
}

TEST_F(ViewFileTest, ListTheLoaderWantsWrittenBackIsSavedAtOnce) {
    std::string text = readFile(path);
    text.replace(text.find("6FEE"), 4, "0000");
    writeFile(path, text);
    open();
    EXPECT_EQ(readFile(path).rfind("\r\n\r\n[SATELLITE_NAME_LIST]\r\n", 0), 0u);
    EXPECT_EQ(list.rows[0].cells[3], "0000");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ViewFileTest, FailedReloadKeepsTheListShownSoFar) {
    show(sampleList());
    const TokenArray before = view.model().tokens();
    writeFile(path, "[SATELLITE]\r\n0 \"broken\r\n");
    view.onReload();
    EXPECT_EQ(host.loadFailures, 1);
    EXPECT_EQ(view.model().tokens(), before);
    EXPECT_EQ(list.rows.size(), 9u);
}

TEST_F(ViewFileTest, FailedOpenKeepsTheEditsTheirModifiedStateAndTheirUndoHistory) {
    open();
    list.select({0});
    view.onKey(ViewKey::Delete);
    list.select({1});
    view.onKey(ViewKey::Insert);
    view.run(ViewCommand::SortChannelName);
    const TokenArray edited = view.model().tokens();
    const std::string undoBefore = undoText();
    ASSERT_EQ(undoBefore, "Undo (2 - Insert Null Channel)");

    const std::string broken = dir.file("broken.txt");
    writeFile(broken, "[SATELLITE]\r\n0 \"broken\r\n");
    host.db.path = broken;
    EXPECT_FALSE(view.onOpen());
    EXPECT_EQ(host.loadFailures, 1);
    EXPECT_EQ(view.model().tokens(), edited);
    EXPECT_TRUE(view.model().modified());
    EXPECT_TRUE(view.model().hasUnsavedChanges());
    EXPECT_EQ(undoText(), undoBefore);

    // Closing still offers the edits for saving, and both undo steps still work.
    host.db.path = path;
    ui.answer({Answer::No});
    view.onClose();
    EXPECT_EQ(ui.questions.size(), 1u);
    view.run(ViewCommand::Undo);
    view.run(ViewCommand::Undo);
    EXPECT_EQ(undoText(), "Undo Disable");
    EXPECT_EQ(list.rows[0].cells[5], "Das Erste");

    // A successful Open then starts afresh.
    list.select({0});
    view.onKey(ViewKey::Delete);
    EXPECT_TRUE(view.onOpen());
    EXPECT_EQ(undoText(), "Undo Disable");
    EXPECT_FALSE(view.model().hasUnsavedChanges());
    EXPECT_EQ(list.rows[0].cells[5], "Das Erste");
}

TEST_F(ViewFileTest, SaveWritesTheListAndEmptiesTheUndoHistory) {
    open();
    list.select({0});
    view.onKey(ViewKey::Delete);
    EXPECT_TRUE(view.save());
    EXPECT_EQ(undoText(), "Undo Disable");
    EXPECT_FALSE(view.model().hasUnsavedChanges());

    const TokenArray saved = view.model().tokens();
    view.onReload();
    EXPECT_EQ(view.model().tokens(), saved);
    EXPECT_EQ(list.rows[0].cells[5], "BR Sued");
}

TEST_F(ViewFileTest, ClosingAsksOnlyWhenTheListDiffersFromItsFile) {
    open();
    view.onClose();
    EXPECT_TRUE(ui.questions.empty());

    // A change that keeps no undo entry is still unsaved.
    view.model().markModified();
    ui.answer({Answer::No});
    view.onClose();
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, "Saveing  Modified Data!!!");
    EXPECT_EQ(ui.questions[0].caption, "Saving");
    EXPECT_EQ(ui.questions[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(readFile(path), readFile(exampleFile("channels.txt")));

    list.select({0});
    view.onKey(ViewKey::Delete);
    ui.answer({Answer::Yes});
    view.onClose();
    EXPECT_FALSE(view.model().hasUnsavedChanges());
    open();
    EXPECT_EQ(list.rows[0].cells[5], "BR Sued");

    // Undoing back to what the file holds leaves nothing to ask about.
    list.select({0});
    view.onKey(ViewKey::Delete);
    view.run(ViewCommand::Undo);
    view.onClose();
    EXPECT_EQ(ui.questions.size(), 2u);
}

TEST_F(ViewFileTest, FailedWriteIsReportedAndTheListStaysUnsaved) {
    open();
    list.select({0});
    view.onKey(ViewKey::Delete);
    host.db.path = dir.file("missing-folder/channels.txt");
    EXPECT_FALSE(view.save());
    EXPECT_EQ(ui.messages.back(), "ERROR!!! Saving not Complete");
    EXPECT_EQ(undoText(), "Undo Disable");
    ui.answer({Answer::No});
    view.onClose();
    EXPECT_EQ(ui.questions.size(), 1u);
}

}  // namespace
}  // namespace sky::test
