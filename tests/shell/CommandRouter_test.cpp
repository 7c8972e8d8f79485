// The command table and the router: who carries out a command, and what a transfer locks.

#include "shell/commands/CommandRouter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "DocFixture.h"
#include "support/ListControlDouble.h"

namespace sky::test {
namespace {

class FrameDouble : public IFrameCommands {
public:
    CommandState frameCommandState(Command command) const override {
        CommandState state;
        state.enabled = true;
        state.checked = command == Command::Toolbar;
        return state;
    }
    void runFrameCommand(Command command) override { ran.push_back(command); }

    std::vector<Command> ran;
};

class CommandRouterTest : public DocFixture {
protected:
    CommandRouterTest() { list.attach(view.shownList()); }

    bool enabled(Command command) const { return router.state(command).enabled; }

    ListControlDouble list;
    ListView view{list, ui, doc.list()};
    FrameDouble frame;
    CommandRouter router{doc, view, frame};
};

TEST_F(CommandRouterTest, TheTableHoldsEveryCommandInOrderWithItsTexts) {
    const std::vector<CommandInfo>& table = commandTable();
    ASSERT_FALSE(table.empty());
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(table[i].id), i);
        EXPECT_NE(*table[i].text, '\0');
        // A command is carried out by one of the three.
        EXPECT_FALSE(table[i].viewCommand && table[i].docCommand);
    }
    EXPECT_STREQ(commandInfo(Command::Undo).shortcut, "Ctrl+Z");
    EXPECT_EQ(commandInfo(Command::Open).docCommand, DocCommand::Open);
}

TEST_F(CommandRouterTest, EachCommandGoesToTheDocumentTheViewOrTheWindow) {
    EXPECT_TRUE(enabled(Command::Open));
    EXPECT_FALSE(enabled(Command::Save));
    EXPECT_FALSE(enabled(Command::Delete));
    EXPECT_TRUE(router.state(Command::Toolbar).checked);
    EXPECT_FALSE(router.run(Command::Delete));

    ASSERT_TRUE(doc.openFile(path));
    EXPECT_TRUE(enabled(Command::Save));
    EXPECT_TRUE(router.run(Command::AnalogChannel));
    EXPECT_FALSE(view.digitalFlag());
    EXPECT_TRUE(router.run(Command::About));
    EXPECT_EQ(frame.ran, std::vector<Command>{Command::About});
    // The wait cursor of a sort is gone once it has run.
    EXPECT_TRUE(router.run(Command::SortChannelName));
    EXPECT_EQ(window.waits, 0);
    EXPECT_EQ(router.state(Command::Undo).text, "Undo (1 - Sort Channel)");
    EXPECT_TRUE(router.run(Command::Undo));
    EXPECT_EQ(router.state(Command::Redo).text, "Redo (1 - Sort Channel)");
}

TEST_F(CommandRouterTest, EachKeyHasOneCommandAndTheMovesWaitForAList) {
    std::set<std::string> keys;
    for (const CommandInfo& info : commandTable()) {
        // A command may have several keys, separated by "; ".
        const std::string shortcuts = info.shortcut;
        for (std::size_t start = 0; start < shortcuts.size();) {
            const std::size_t end = std::min(shortcuts.find("; ", start), shortcuts.size());
            const std::string key = shortcuts.substr(start, end - start);
            EXPECT_TRUE(keys.insert(key).second) << key;
            start = end + 2;
        }
    }
    // F3 stays the list's Cut key.
    EXPECT_EQ(keys.count("F3"), 0u);
    EXPECT_STREQ(commandInfo(Command::Find).shortcut, "Ctrl+F");
    EXPECT_TRUE(commandInfo(Command::Find).duringTransfer);

    // The window's commands on the list wait for one as well.
    const Command moves[] = {Command::MoveToNumber,    Command::MoveUp,
                             Command::MoveDown,        Command::MoveToTop,
                             Command::MoveToBottom,    Command::ApplyOrder,
                             Command::SaveAsReference, Command::ImportTransponders,
                             Command::ImportChannels,  Command::CheckTransponders};
    for (const Command move : moves) EXPECT_FALSE(enabled(move));
    ASSERT_TRUE(doc.openFile(path));
    for (const Command move : moves) EXPECT_TRUE(enabled(move));
}

TEST_F(CommandRouterTest, ATransferLeavesOnlyWhatShowsTheListAndTheWindowsOwnCommands) {
    ASSERT_TRUE(doc.openFile(path));
    // Undo and Redo both have a step to take, and both wait.
    list.select({0});
    view.onKey(ViewKey::Delete);
    view.onKey(ViewKey::Delete);
    EXPECT_TRUE(router.run(Command::Undo));
    std::vector<Command> enabledDuring;
    bool recentDuring = true;
    std::size_t rowsAfterDelete = 0;
    window.duringTransfer = [&] {
        for (const CommandInfo& info : commandTable()) {
            if (enabled(info.id)) enabledDuring.push_back(info.id);
        }
        recentDuring = router.recentFilesEnabled();
        // The list's keys are refused too, whoever sends them.
        list.select({0});
        view.onKey(ViewKey::Delete);
        rowsAfterDelete = list.rows.size();
        EXPECT_FALSE(router.run(Command::Option));
    };
    const std::string bin = dir.file("some.bin");
    writeFile(bin, "not an image");
    runtime.portDevices[0] = dir.file("no-such-device");
    window.answers = {bin};
    EXPECT_TRUE(router.run(Command::DownloadBinaryFile));

    for (const Command command : enabledDuring) EXPECT_TRUE(commandInfo(command).duringTransfer);
    for (const Command command :
         {Command::Print, Command::DigitalChannel, Command::SatelliteList, Command::About}) {
        EXPECT_NE(std::find(enabledDuring.begin(), enabledDuring.end(), command),
                  enabledDuring.end());
    }
    EXPECT_FALSE(recentDuring);
    EXPECT_EQ(rowsAfterDelete, 15u);
    EXPECT_TRUE(frame.ran.empty());

    // Afterwards everything works again.
    EXPECT_TRUE(enabled(Command::Option));
    EXPECT_TRUE(router.recentFilesEnabled());
    list.select({0});
    view.onKey(ViewKey::Delete);
    EXPECT_EQ(list.rows.size(), 14u);
}

}  // namespace
}  // namespace sky::test
