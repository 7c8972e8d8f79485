// The document's Open, Save and Save As over a real list document and database.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include "DocFixture.h"

namespace sky::test {
namespace {

class DocTest : public DocFixture {
protected:
};

TEST_F(DocTest, OpenLoadsTheChosenListAndRemembersItsFolder) {
    EXPECT_FALSE(doc.isLoaded());
    window.answers = {path};
    EXPECT_TRUE(doc.onFileOpen());
    EXPECT_EQ(window.dialogs, std::vector<std::string>{"open Skylister - Format File Open"});
    EXPECT_EQ(window.folders, std::vector<std::string>{"<none>"});
    EXPECT_TRUE(doc.isLoaded());
    EXPECT_EQ(doc.currentPath(), path);
    EXPECT_EQ(doc.database()->path, path);
    EXPECT_EQ(window.title, "Skylister : " + path);
    EXPECT_EQ(digitalRows(), 16u);
    EXPECT_EQ(window.waits, 0);
    EXPECT_EQ(settings.recentFolder(), dir.path().string());
    EXPECT_EQ(settings.recentFiles(), std::vector<std::string>{path});

    // The next Open starts in that folder; Cancel changes nothing.
    EXPECT_FALSE(doc.onFileOpen());
    EXPECT_EQ(window.folders.back(), dir.path().string());
    EXPECT_EQ(doc.currentPath(), path);
}

TEST_F(DocTest, FailedFirstOpenLeavesNoListOpen) {
    const std::string broken = dir.file("broken.txt");
    writeFile(broken, "[SATELLITE]\r\n0 \"broken\r\n");
    EXPECT_FALSE(doc.openFile(broken));
    EXPECT_FALSE(doc.isLoaded());
    EXPECT_EQ(doc.currentPath(), "");
    EXPECT_FALSE(ui.messages.empty());
    EXPECT_EQ(window.title, "Skylister : Untitled");
    EXPECT_TRUE(settings.recentFiles().empty());
}

TEST_F(DocTest, FailedOpenKeepsTheEditedListUnderItsPathAndStillAsksOnClose) {
    ASSERT_TRUE(doc.openFile(path));
    deleteFirstRow();
    const std::string broken = dir.file("broken.txt");
    writeFile(broken, "[SATELLITE]\r\n0 \"broken\r\n");
    ui.answer({Answer::No});
    EXPECT_FALSE(doc.openFile(broken));
    ASSERT_EQ(ui.questions.size(), 1u);  // the unsaved edits before Open
    EXPECT_TRUE(doc.isLoaded());
    EXPECT_EQ(doc.currentPath(), path);
    EXPECT_EQ(doc.database()->path, path);
    EXPECT_EQ(undoText(), "Undo (1 - Delete Channel)");
    EXPECT_EQ(window.title, "Skylister : " + path);

    ui.answer({Answer::Yes});
    doc.onClose();
    EXPECT_EQ(ui.questions.size(), 2u);
    EXPECT_EQ(ui.questions.back().text, "Saveing  Modified Data!!!");
    EXPECT_NE(readFile(path), readFile(exampleFile("channels.txt")));
}

TEST_F(DocTest, OpenOverUnsavedEditsAsksAndSavesOnYes) {
    ASSERT_TRUE(doc.openFile(path));
    deleteFirstRow();
    const std::string other = dir.file("other.txt");
    writeFile(other, readFile(exampleFile("channels.txt")));
    ui.answer({Answer::Yes});
    EXPECT_TRUE(doc.openFile(other));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].caption, "Saving");
    EXPECT_EQ(digitalName(0), "Das Erste");
    EXPECT_EQ(undoText(), "Undo Disable");
    // The edit went into the first file.
    ASSERT_TRUE(doc.openFile(path));
    EXPECT_EQ(digitalName(0), "BR Sued");
    EXPECT_EQ(doc.previousPath(), other);
}

TEST_F(DocTest, SaveWritesTheListAndKeepsTheBackup) {
    ASSERT_TRUE(doc.openFile(path));
    deleteFirstRow();
    EXPECT_TRUE(doc.onFileSave());
    EXPECT_EQ(undoText(), "Undo Disable");
    EXPECT_FALSE(unsaved());
    EXPECT_EQ(readFile(dir.file("channels.bak")), readFile(exampleFile("channels.txt")));
    EXPECT_EQ(readFile(path).find("Das Erste"), std::string::npos);
}

TEST_F(DocTest, SaveAsWritesTheNewFileAndRetitles) {
    ASSERT_TRUE(doc.openFile(path));
    deleteFirstRow();
    const std::string copy = dir.file("copy.TXT");
    window.answers = {dir.file("copy.dat"), copy};
    EXPECT_FALSE(doc.onFileSaveAs());
    EXPECT_EQ(ui.messages.back(), "Extention Name must be 'txt' ");
    EXPECT_TRUE(doc.onFileSaveAs());
    EXPECT_EQ(window.dialogs.back(), "save Skylister - Save as");
    EXPECT_EQ(doc.currentPath(), copy);
    EXPECT_EQ(window.title, "Skylister : " + copy);
    EXPECT_EQ(undoText(), "Undo Disable");
    EXPECT_FALSE(unsaved());
    EXPECT_EQ(readFile(path), readFile(exampleFile("channels.txt")));
    EXPECT_EQ(readFile(copy).find("Das Erste"), std::string::npos);
    EXPECT_EQ(settings.recentFiles().front(), copy);
}

TEST_F(DocTest, FailedSaveAsKeepsTheCurrentPathAndReports) {
    ASSERT_TRUE(doc.openFile(path));
    window.answers = {dir.file("missing/x.txt")};
    EXPECT_FALSE(doc.onFileSaveAs());
    EXPECT_EQ(ui.messages.back(), "ERROR!!! Saving not Complete");
    EXPECT_EQ(doc.currentPath(), path);
    // The next Save writes where the title says.
    EXPECT_EQ(doc.database()->path, path);
}

TEST_F(DocTest, CancelOrAFailedSaveInTheClosingQuestionKeepsTheListAndItsEdits) {
    ASSERT_TRUE(doc.openFile(path));
    deleteFirstRow();
    const std::string other = dir.file("other.txt");
    writeFile(other, readFile(exampleFile("channels.txt")));
    // The list stays bound to its file (the one the failing save below is pointed at).
    std::string file = path;
    const auto listKept = [&] {
        EXPECT_EQ(doc.currentPath(), file);
        EXPECT_TRUE(unsaved());
        EXPECT_EQ(digitalName(0), "BR Sued");
    };

    // Cancel, on close, Open and Open Recent alike.
    ui.answer({Answer::Cancel, Answer::Cancel, Answer::Cancel});
    EXPECT_FALSE(doc.onClose());
    EXPECT_FALSE(doc.openFile(other));
    EXPECT_FALSE(doc.openRecentFile(other));
    ASSERT_EQ(ui.questions.size(), 3u);
    EXPECT_EQ(ui.questions[0].buttons, Buttons::YesNoCancel);
    EXPECT_TRUE(ui.messages.empty());
    listKept();

    // Yes with a save that fails: reported, and nothing closes or is replaced.
    file = dir.file("missing-folder/channels.txt");
    doc.database()->path = file;
    ui.answer({Answer::Yes, Answer::Yes});
    EXPECT_FALSE(doc.onClose());
    EXPECT_FALSE(doc.openFile(other));
    EXPECT_EQ(std::count(ui.messages.begin(), ui.messages.end(), "ERROR!!! Saving not Complete"),
              2);
    listKept();

    // No goes on without saving.
    ui.answer({Answer::No});
    EXPECT_TRUE(doc.openFile(other));
    EXPECT_EQ(digitalName(0), "Das Erste");
}

TEST_F(DocTest, OpenOverTheUploadFileAsksToSaveItFirst) {
    writeFile(doc.uploadFilePath(), readFile(exampleFile("channels.txt")));
    ASSERT_TRUE(doc.openFile(doc.uploadFilePath()));
    EXPECT_EQ(window.title, "Skylister : Untitled");

    ui.answer({Answer::Cancel});
    EXPECT_FALSE(doc.onFileOpen());
    EXPECT_TRUE(window.dialogs.empty());
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, "Want to Save upload file as ?");
    EXPECT_EQ(ui.questions[0].caption, "Save As");
    EXPECT_EQ(ui.questions[0].buttons, Buttons::YesNoCancel);

    // Yes: Save As (cancelled here), then the open dialog.
    ui.answer({Answer::Yes});
    window.answers = {std::nullopt, path};
    EXPECT_TRUE(doc.onFileOpen());
    EXPECT_EQ(window.dialogs, (std::vector<std::string>{"save Skylister - Save as",
                                                        "open Skylister - Format File Open"}));
    EXPECT_EQ(doc.currentPath(), path);

    // Open Recent asks the same.
    ASSERT_TRUE(doc.openFile(doc.uploadFilePath()));
    ui.answer({Answer::Cancel});
    EXPECT_FALSE(doc.openRecentFile(path));
    EXPECT_EQ(ui.questions.back().text, "Want to Save upload file as ?");
    EXPECT_EQ(doc.currentPath(), doc.uploadFilePath());
}

TEST_F(DocTest, OpenCountsTheDuplicatesInTheStatusBarUntilAListWithoutAnyIsOpened) {
    std::string text = readFile(path);
    text.insert(text.find("[DIGITAL PID CHANNEL]"),
                "15    1     0     6FEE    TV        \"Das Erste HD\"  0       N\r\n");
    const std::string copies = dir.file("copies.txt");
    writeFile(copies, text);
    const std::string count = "1 duplicates found: Edit Channel > Find Duplicates";

    ASSERT_TRUE(doc.openFile(copies));
    EXPECT_EQ(ui.statusTexts, std::vector<std::string>{count});
    // A list that does not open leaves the count of the one shown.
    writeFile(dir.file("broken.txt"), "[SATELLITE]\r\n0 \"broken\r\n");
    EXPECT_FALSE(doc.openFile(dir.file("broken.txt")));
    ASSERT_TRUE(doc.openFile(path));
    EXPECT_EQ(ui.statusTexts, (std::vector<std::string>{count, ""}));
    // Without a count shown, a list without duplicates leaves the status bar alone.
    ASSERT_TRUE(doc.openRecentFile(path));
    EXPECT_EQ(ui.statusTexts.size(), 2u);
}

TEST_F(DocTest, CommandsNeedALoadedList) {
    EXPECT_FALSE(doc.onFileSave());
    EXPECT_FALSE(doc.onFileSaveAs());
    EXPECT_TRUE(window.dialogs.empty());
    EXPECT_EQ(doc.uploadFilePath(), dir.path().string() + "/SATupload.txt");
    EXPECT_EQ(DocumentCommands::systemTemporaryDirectory().back(), '/');
}

}  // namespace
}  // namespace sky::test
