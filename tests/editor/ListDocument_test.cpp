// The list document's open, reload, save and the question before the list is closed or replaced,
// as the view over it shows them.

#include <gtest/gtest.h>

#include "editor/ViewFixture.h"
#include "editor/model/SectionMap.h"
#include "support/TempDir.h"

namespace sky::test {
namespace {

class ViewFileTest : public ViewTest {
protected:
    void SetUp() override {
        path = dir.file("channels.txt");
        writeFile(path, readFile(exampleFile("channels.txt")));
    }
    void open() { ASSERT_TRUE(document.open(path)); }

    TempDir dir;
    std::string path;
};

TEST_F(ViewFileTest, OpenShowsTheFileInEveryView) {
    ListControlDouble secondList;
    ListView second{secondList, ui, document};
    secondList.attach(second.shownList());
    open();
    EXPECT_EQ(document.path(), path);
    for (const ListControlDouble* shown : {&list, &secondList}) {
        ASSERT_EQ(shown->rows.size(), 16u);
        EXPECT_EQ(shown->rows[0].cells[5], "Das Erste");
        EXPECT_EQ(shown->rows[14].cells[5], "Rai Test");
    }
    EXPECT_FALSE(view.model().hasUnsavedChanges());

    // An edit in one view shows in the other.
    list.select({0});
    view.onKey(ViewKey::Delete);
    EXPECT_EQ(secondList.rows[0].cells[5], "BR Sued");
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
    open();
    const TokenArray before = view.model().tokens();
    writeFile(path, "[SATELLITE]\r\n0 \"broken\r\n");
    EXPECT_FALSE(document.reload());
    EXPECT_EQ(view.model().tokens(), before);
    EXPECT_EQ(list.rows.size(), 16u);
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
    ASSERT_EQ(undoBefore, "Undo (3 - Sort Channel)");

    const std::string broken = dir.file("broken.txt");
    writeFile(broken, "[SATELLITE]\r\n0 \"broken\r\n");
    EXPECT_FALSE(document.open(broken));
    EXPECT_EQ(document.path(), path);
    EXPECT_EQ(view.model().tokens(), edited);
    EXPECT_TRUE(view.model().modified());
    EXPECT_TRUE(view.model().hasUnsavedChanges());
    EXPECT_EQ(undoText(), undoBefore);

    // Closing still offers the edits for saving, and every undo step still works.
    ui.answer({Answer::No});
    EXPECT_TRUE(document.offerSaving());
    EXPECT_EQ(ui.questions.size(), 1u);
    view.run(ViewCommand::Undo);
    view.run(ViewCommand::Undo);
    view.run(ViewCommand::Undo);
    EXPECT_EQ(undoText(), "Undo Disable");
    EXPECT_EQ(list.rows[0].cells[5], "Das Erste");

    // A successful Open then starts afresh.
    list.select({0});
    view.onKey(ViewKey::Delete);
    EXPECT_TRUE(document.open(path));
    EXPECT_EQ(undoText(), "Undo Disable");
    EXPECT_FALSE(view.model().hasUnsavedChanges());
    EXPECT_EQ(list.rows[0].cells[5], "Das Erste");
}

TEST_F(ViewFileTest, SaveWritesTheListAndEmptiesTheUndoHistory) {
    open();
    list.select({0});
    view.onKey(ViewKey::Delete);
    EXPECT_TRUE(document.save());
    EXPECT_EQ(undoText(), "Undo Disable");
    EXPECT_FALSE(view.model().hasUnsavedChanges());

    const TokenArray saved = view.model().tokens();
    EXPECT_TRUE(document.reload());
    EXPECT_EQ(view.model().tokens(), saved);
    EXPECT_EQ(list.rows[0].cells[5], "BR Sued");
}

TEST_F(ViewFileTest, ClosingAsksOnlyWhenTheListDiffersFromItsFile) {
    open();
    document.offerSaving();
    EXPECT_TRUE(ui.questions.empty());

    // A change that keeps no undo entry is still unsaved.
    view.model().markModified();
    ui.answer({Answer::No});
    document.offerSaving();
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, "Saveing  Modified Data!!!");
    EXPECT_EQ(ui.questions[0].caption, "Saving");
    EXPECT_EQ(ui.questions[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(readFile(path), readFile(exampleFile("channels.txt")));

    list.select({0});
    view.onKey(ViewKey::Delete);
    ui.answer({Answer::Yes});
    document.offerSaving();
    EXPECT_FALSE(view.model().hasUnsavedChanges());
    open();
    EXPECT_EQ(list.rows[0].cells[5], "BR Sued");

    // Undoing back to what the file holds leaves nothing to ask about.
    list.select({0});
    view.onKey(ViewKey::Delete);
    view.run(ViewCommand::Undo);
    document.offerSaving();
    EXPECT_EQ(ui.questions.size(), 2u);
}

// The file numbers its analog channels from 0: open keeps that, an edit renumbers only the group
// of sections it changes, and undo gives back every byte.
TEST_F(ViewFileTest, EditRenumbersOnlyItsGroupAndUndoGivesBackTheFile) {
    open();
    TokenArray fileTokens;
    ASSERT_NE(ListFile(settings, ui, path).loadChannelList(fileTokens), LoadResult::Failed);
    EXPECT_EQ(view.model().tokens(), fileTokens);
    const auto saved = [&] {
        const std::string copy = dir.file("copy.txt");
        ListFile(settings, ui, copy).saveText(view.model().tokens());
        return readFile(copy);
    };
    const auto cells = [&](SectionState state) {
        const TokenArray& tokens = view.model().tokens();
        const SectionSpan span = locateSections(tokens)[state];
        return TokenArray(tokens.begin() + static_cast<std::ptrdiff_t>(span.begin),
                          tokens.begin() + static_cast<std::ptrdiff_t>(span.end));
    };
    const std::string file = saved();

    const TokenArray analog = cells(kAnalogTpSection);
    list.select({0});
    view.onKey(ViewKey::Delete);
    EXPECT_EQ(cells(kAnalogTpSection), analog);
    EXPECT_EQ(cells(kChannelSection).front(), "1");
    view.run(ViewCommand::Undo);
    EXPECT_EQ(saved(), file);
    EXPECT_FALSE(view.model().hasUnsavedChanges());

    const TokenArray digital = cells(kChannelSection);
    const TokenArray pid = cells(kChannelPidSection);
    view.run(ViewCommand::AnalogChannel);
    list.select({1});
    view.onKey(ViewKey::Delete);
    EXPECT_EQ(cells(kChannelSection), digital);
    EXPECT_EQ(cells(kChannelPidSection), pid);
    EXPECT_EQ(cells(kAnalogTpSection).front(), "1");
    view.run(ViewCommand::Undo);
    EXPECT_EQ(saved(), file);
}

TEST_F(ViewFileTest, FailedWriteIsReportedAndTheListStaysUnsaved) {
    open();
    list.select({0});
    view.onKey(ViewKey::Delete);
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
