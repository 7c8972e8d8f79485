// The command table and the router: who carries out a command, and what a transfer locks.

#include "shell/commands/CommandRouter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "DocFixture.h"
#include "editor/view/ListView.h"
#include "shell/commands/ListCommandBindings.h"
#include "support/ListControlDouble.h"

namespace sky::test {
namespace {

// The window's own commands: every command neither the document nor the list view carries out,
// each enabled (Toolbar checked) and recorded when it runs.
class FrameDouble {
public:
    // False when a command was bound twice.
    bool bindRest(CommandRouter& router) {
        bool once = true;
        for (const CommandInfo& info : commandTable()) {
            if (router.bound(info.id)) continue;
            const Command id = info.id;
            once = router.bind(id, {[id] {
                                        CommandState state;
                                        state.enabled = true;
                                        state.checked = id == Command::Toolbar;
                                        return state;
                                    },
                                    [this, id] { ran.push_back(id); }}) &&
                   once;
        }
        return once;
    }

    std::vector<Command> ran;
};

class CommandRouterTest : public DocFixture {
protected:
    CommandRouterTest() {
        list.attach(view.shownList());
        bindListCommands(router, view, window);
        framesOwnBoundOnce = frame.bindRest(router);
    }

    bool enabled(Command command) const { return router.state(command).enabled; }

    ListControlDouble list;
    ListView view{list, ui, doc.list()};
    FrameDouble frame;
    bool framesOwnBoundOnce = false;
};

TEST_F(CommandRouterTest, TheTableHoldsEveryCommandInOrderWithItsTexts) {
    const std::vector<CommandInfo>& table = commandTable();
    ASSERT_FALSE(table.empty());
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(table[i].id), i);
        EXPECT_NE(*table[i].text, '\0');
    }
    EXPECT_STREQ(commandInfo(Command::Undo).shortcut, "Ctrl+Z");
    // A command is carried out by one handler: a second binding is refused and the first kept.
    EXPECT_TRUE(framesOwnBoundOnce);
    EXPECT_FALSE(router.bind(Command::Open, {{}, [this] { frame.ran.push_back(Command::Open); }}));
    EXPECT_TRUE(router.run(Command::Open));
    EXPECT_TRUE(frame.ran.empty());
    EXPECT_EQ(window.dialogs, std::vector<std::string>{"open Skylister - Format File Open"});
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
    // F3 stays the list's Cut key, and the edit keys work only in the list.
    EXPECT_STREQ(commandInfo(Command::Cut).shortcut, "F3");
    for (const Command edit : {Command::New, Command::Cut, Command::Paste, Command::InsertNull,
                               Command::Delete, Command::MoveUp, Command::CopyRows}) {
        EXPECT_EQ(commandInfo(edit).keyScope, KeyScope::List);
    }
    EXPECT_STREQ(commandInfo(Command::Find).shortcut, "Ctrl+F");
    EXPECT_FALSE(commandInfo(Command::Find).refusedDuringTransfer);

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
    EXPECT_TRUE(router.run(Command::Delete));
    EXPECT_TRUE(router.run(Command::Delete));
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
        EXPECT_FALSE(router.run(Command::Delete));
        view.run(Command::Delete);
        rowsAfterDelete = list.rows.size();
        EXPECT_FALSE(router.run(Command::Option));
    };
    const std::string bin = dir.file("some.bin");
    writeFile(bin, "not an image");
    runtime.portDevices[0] = dir.file("no-such-device");
    window.answers = {bin};
    EXPECT_TRUE(router.run(Command::DownloadBinaryFile));

    for (const Command command : enabledDuring) {
        EXPECT_FALSE(commandInfo(command).refusedDuringTransfer);
    }
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
    EXPECT_TRUE(router.run(Command::Delete));
    EXPECT_EQ(list.rows.size(), 14u);
}

}  // namespace
}  // namespace sky::test
