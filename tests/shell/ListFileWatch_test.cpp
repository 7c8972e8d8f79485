// Another program's changes to the open list's file, with the file changed on disk by the test.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "DocFixture.h"

namespace sky::test {
namespace {

class ListFileWatchTest : public DocFixture {
protected:
    void SetUp() override { ASSERT_TRUE(doc.openFile(path)); }
    // What `echo >> FILE` does.
    void appendElsewhere() { std::ofstream(path, std::ios::app) << "\n"; }
    ListFileWatch& watch() { return doc.fileWatch(); }
};

TEST_F(ListFileWatchTest, OwnSavesAreNoChange) {
    deleteFirstRow();
    ASSERT_TRUE(doc.onFileSave());
    EXPECT_EQ(watch().check(), FileChange::None);
    window.answers = {dir.file("other.txt")};
    ASSERT_TRUE(doc.onFileSaveAs());
    EXPECT_EQ(watch().check(), FileChange::None);
    EXPECT_FALSE(watch().noticeChange());
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(ListFileWatchTest, ChangeWithoutEditsIsToldAndReloadIsOneUndoStep) {
    appendElsewhere();
    EXPECT_EQ(watch().check(), FileChange::Changed);
    EXPECT_TRUE(watch().noticeChange());
    ASSERT_FALSE(ui.statusTexts.empty());
    EXPECT_EQ(ui.statusTexts.back(),
              "channels.txt was changed by another program; Reload shows it as it is now.");
    EXPECT_TRUE(ui.questions.empty());
    ASSERT_TRUE(watch().reload());
    EXPECT_EQ(ui.statusTexts.back(), "");  // the notice goes with the change it told of
    EXPECT_EQ(watch().check(), FileChange::None);
    EXPECT_NE(undoText().find("Reload"), std::string::npos);
    // The reloaded list has no edits of the user's: a second change is offered again, not asked.
    appendElsewhere();
    EXPECT_TRUE(watch().noticeChange());
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(ListFileWatchTest, ChangeOverEditsAsksWhichToKeep) {
    deleteFirstRow();
    appendElsewhere();
    ui.answer({Answer::Yes});
    EXPECT_FALSE(watch().noticeChange());
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].buttons, Buttons::YesNo);
    EXPECT_EQ(digitalRows(), 16u);  // the file's version
    ASSERT_TRUE(doc.list().undo());
    EXPECT_EQ(digitalRows(), 15u);  // the user's edits are one Undo away

    // No keeps the edits, and Save then writes them without asking again.
    appendElsewhere();
    ui.answer({Answer::No});
    watch().noticeChange();
    EXPECT_EQ(digitalRows(), 15u);
    ASSERT_TRUE(doc.onFileSave());
    EXPECT_EQ(ui.questions.size(), 2u);
    EXPECT_EQ(watch().check(), FileChange::None);
}

TEST_F(ListFileWatchTest, SaveOverAnUnnoticedChangeAsksFirst) {
    deleteFirstRow();
    appendElsewhere();
    const std::string theirs = readFile(path);
    ui.answer({Answer::No});
    EXPECT_FALSE(doc.onFileSave());
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text,
              "channels.txt was changed by another program after it was read.\n"
              "Overwrite it with this list?");
    EXPECT_EQ(readFile(path), theirs);
    EXPECT_TRUE(unsaved());
    ui.answer({Answer::Yes});
    EXPECT_TRUE(doc.onFileSave());
    EXPECT_NE(readFile(path), theirs);
    EXPECT_FALSE(unsaved());
}

TEST_F(ListFileWatchTest, RemovedFileIsToldAndSaveAsksForAName) {
    std::filesystem::rename(path, dir.file("moved.txt"));
    EXPECT_EQ(watch().check(), FileChange::Removed);
    EXPECT_FALSE(watch().noticeChange());
    EXPECT_EQ(ui.statusTexts.back(),
              "channels.txt was removed or renamed by another program; Save asks for a name.");
    const std::string chosen = dir.file("new.txt");
    window.answers = {chosen};
    EXPECT_TRUE(doc.onFileSave());
    EXPECT_EQ(window.dialogs.back(), "save Skylister - Save as");
    EXPECT_EQ(doc.currentPath(), chosen);
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace sky::test
