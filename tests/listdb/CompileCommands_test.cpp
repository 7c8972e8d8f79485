#include "listdb/CompileCommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/FileSizeLimit.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky {
namespace {

namespace fs = std::filesystem;

// A copy of the example list in a fresh folder, loaded into a token array.
class CompileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        original = test::readFile(test::exampleFile("channels.txt"));
        test::writeFile(listPath(), original);
        ListFile loader(settings, ui, listPath());
        ASSERT_NE(loader.loadChannelList(tokens), LoadResult::Failed);
        ui.messages.clear();
    }

    virtual std::string listName() const { return "list.txt"; }
    std::string listPath() const { return dir.file(listName()); }
    std::string sibling(const std::string& name) const { return dir.file(name); }

    // Compiles the token array straight from a saved file, for comparison.
    std::string directImage(CompileMode mode) {
        test::TempDir other;
        RuntimeSettings s;
        test::RecordingUi quiet;
        ListFile db(s, quiet, other.file("direct.txt"));
        EXPECT_TRUE(db.saveText(tokens));
        EXPECT_TRUE(db.compile(mode));
        return test::readFile(other.file("direct.hex"));
    }

    std::vector<std::string> leftovers() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(dir.path())) {
            const std::string ext = entry.path().extension().string();
            if (ext == ".cplsrc" || ext == ".mrg" || ext == ".tmp" || ext == ".lst") {
                found.push_back(entry.path().filename().string());
            }
        }
        return found;
    }

    test::TempDir dir;
    RuntimeSettings settings;
    test::RecordingUi ui;
    TokenArray tokens;
    std::string original;
};

TEST_F(CompileCommandsTest, BasicCompileBuildsTheShownListAndKeepsTheFile) {
    // An edit that is not saved: the first analog channel's name.
    const auto analog = std::find(tokens.begin(), tokens.end(), "ANALOG START");
    ASSERT_NE(analog, tokens.end());
    *(analog + 5) = "Edited";
    ListFile db(settings, ui, listPath());
    ASSERT_EQ(compileCommand(db, tokens, CompileMode::Basic), 1);
    EXPECT_EQ(test::readFile(listPath()), original);
    EXPECT_EQ(test::readFile(sibling("list.hex")), directImage(CompileMode::Basic));
    EXPECT_TRUE(fs::exists(sibling("list.bin")));
    EXPECT_TRUE(leftovers().empty());
    EXPECT_EQ(db.path, listPath());
}

TEST_F(CompileCommandsTest, PreInstalledImageIsNormalThenBasic) {
    ListFile db(settings, ui, listPath());
    ASSERT_EQ(preInstalledCompileCommand(db, tokens, false), 1);
    EXPECT_EQ(test::readFile(sibling("list.hex")),
              directImage(CompileMode::Normal) + directImage(CompileMode::Basic));
    EXPECT_TRUE(fs::exists(sibling("list.bin")));
    EXPECT_TRUE(leftovers().empty());
    EXPECT_EQ(test::readFile(listPath()), original);
}

TEST_F(CompileCommandsTest, SplitListFlagHoldsOnlyForTheCommand) {
    ListFile db(settings, ui, listPath());
    ASSERT_EQ(preInstalledCompileCommand(db, tokens, true), 1);
    EXPECT_FALSE(db.splitList);
    // The split image numbers the analog channels on their own, so it differs from the one-list
    // image.
    const std::string split = test::readFile(sibling("list.hex"));
    ASSERT_EQ(preInstalledCompileCommand(db, tokens, false), 1);
    EXPECT_NE(test::readFile(sibling("list.hex")), split);
}

TEST_F(CompileCommandsTest, AFailedCompileLeavesTheFileAndNoMergeFile) {
    // A channel type the compiler refuses.
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i] == "CHANNEL START") {
            tokens[i + 5] = "VIDEO";
            break;
        }
    }
    ListFile db(settings, ui, listPath());
    EXPECT_EQ(preInstalledCompileCommand(db, tokens, false), 0);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back(), "Making a HEX file is failed!");
    EXPECT_EQ(test::readFile(listPath()), original);
    EXPECT_TRUE(leftovers().empty());

    ui.messages.clear();
    EXPECT_EQ(compileCommand(db, tokens, CompileMode::Normal), 0);
    EXPECT_EQ(ui.messages.back(), "Making a HEX file is failed!");
    EXPECT_EQ(test::readFile(listPath()), original);
    EXPECT_TRUE(leftovers().empty());
    // No image is left that could pass for this list's.
    EXPECT_FALSE(fs::exists(sibling("list.hex")));
}

TEST_F(CompileCommandsTest, TheListIsCompiledFromItsTextAndItsFileIsNeverWritten) {
    // The file is gone: the list shown still compiles, and no file takes its place.
    fs::remove(listPath());
    ListFile db(settings, ui, listPath());
    ASSERT_EQ(compileCommand(db, tokens, CompileMode::Basic), 1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Conversion is terminated successfully.\n"});
    EXPECT_EQ(test::readFile(sibling("list.hex")), directImage(CompileMode::Basic));
    EXPECT_FALSE(fs::exists(listPath()));

    // With the file there, the backup a save leaves holds it.
    test::writeFile(listPath(), original);
    ASSERT_EQ(compileCommand(db, tokens, CompileMode::Normal), 1);
    EXPECT_EQ(test::readFile(sibling("list.bak")), original);
    EXPECT_EQ(test::readFile(sibling("list.hex")), directImage(CompileMode::Normal));
    EXPECT_TRUE(leftovers().empty());
}

TEST_F(CompileCommandsTest, AnImageThatCannotBeWrittenLeavesNoHexAndTheOldBin) {
    ListFile db(settings, ui, listPath());
    ASSERT_EQ(compileCommand(db, tokens, CompileMode::Basic), 1);
    const std::string bin = test::readFile(sibling("list.bin"));
    ui.messages.clear();
    {
        // Room for less than the image's hex text (which is written beside the download file).
        test::FileSizeLimit limit(1000);
        EXPECT_EQ(compileCommand(db, tokens, CompileMode::Normal), 0);
    }
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"Can't write Output file : " + sibling("list.hex") + "\n",
                                        "Making a HEX file is failed!"}));
    EXPECT_FALSE(fs::exists(sibling("list.hex")));
    EXPECT_EQ(test::readFile(sibling("list.bin")), bin);
}

class UpperCaseListTest : public CompileCommandsTest {
    std::string listName() const override { return "LIST.TXT"; }
};

TEST_F(UpperCaseListTest, SiblingsGetLowerCaseExtensionsAndTheListKeepsItsName) {
    ListFile db(settings, ui, listPath());
    ASSERT_EQ(compileCommand(db, tokens, CompileMode::Basic), 1);
    EXPECT_TRUE(fs::exists(sibling("LIST.hex")));
    EXPECT_TRUE(fs::exists(sibling("LIST.bin")));
    EXPECT_FALSE(fs::exists(sibling("LIST.txt")));
    EXPECT_EQ(test::readFile(listPath()), original);
    EXPECT_EQ(db.path, listPath());
}

}  // namespace
}  // namespace sky
