// The history of lists sent and fetched, from the document's side: a fetch leaves one copy, a
// copy that cannot be kept is said once without failing the fetch, and the History command
// compares a copy or opens it untitled.

#include <gtest/gtest.h>

#include <cstdlib>

#include "DocFixture.h"
#include "shell/history/HistoryCommand.h"
#include "support/StbSim.h"

namespace sky::test {
namespace {

class HistoryTest : public DocFixture {
protected:
    HistoryTest() {
        ::setenv("XDG_STATE_HOME", state.c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", dir.path().c_str(), 1);
    }
    ~HistoryTest() override { ::unsetenv("XDG_STATE_HOME"); }

    std::string state = dir.file("state");
};

TEST_F(HistoryTest, AFetchLeavesOneCopyAndAFullDiskIsSaidOnceWithoutFailingIt) {
    ASSERT_TRUE(doc.openFile(path));
    StbSim sim({"--dump", path});
    runtime.portDevices[0] = sim.device();
    ASSERT_TRUE(router.run(Command::CompareWithReceiver));
    EXPECT_TRUE(ui.messages.empty());
    const std::vector<HistoryEntry> kept = historyEntries(historyFolder());
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].kind, HistoryKind::Fetched);
    EXPECT_EQ(kept[0].source, sim.device());
    EXPECT_EQ(kept[0].satellites, 5);
    EXPECT_EQ(kept[0].channels, 22);
    EXPECT_NE(readFile(kept[0].textPath).find("\"Das Erste\""), std::string::npos);

    // The state folder cannot be made, as on a full or read-only disk.
    writeFile(dir.file("file"), "");
    ::setenv("XDG_STATE_HOME", dir.file("file").c_str(), 1);
    sim.powerCycle();
    EXPECT_TRUE(router.run(Command::CompareWithReceiver));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].rfind("The list was fetched, but no copy of it could be kept", 0), 0u);
    EXPECT_EQ(window.comparisons.size(), 2u);
}

TEST_F(HistoryTest, ACopyIsComparedOrOpenedUntitledAndNeverWritten) {
    const std::string folder = historyFolder();
    std::string other = readFile(path);
    other.replace(other.find("\"Das Erste\""), 11, "\"Das Zweite\"");
    ASSERT_FALSE(keepInHistory(folder, HistoryKind::Sent, other, "", path, 1 << 20,
                               std::chrono::system_clock::now()));
    const std::string copy = historyEntries(folder).at(0).textPath;
    ASSERT_TRUE(doc.openFile(path));

    window.history = [](HistorySession& session) {
        ASSERT_EQ(session.entries().size(), 1u);
        EXPECT_EQ(HistorySession::countsText(session.entries()[0]),
                  "5 satellites, 8 transponders, 22 channels");
        session.choose(HistoryAction::CompareWithOpenList, 0);
    };
    EXPECT_TRUE(runHistory(doc, window));
    ASSERT_EQ(window.comparisons.size(), 1u);
    EXPECT_EQ(differenceSummary(window.comparisons.back()->result), "1 channel differs.");
    EXPECT_EQ(doc.currentPath(), path);

    window.history = [](HistorySession& session) {
        session.choose(HistoryAction::OpenAsNewList, 0);
    };
    EXPECT_TRUE(runHistory(doc, window));
    EXPECT_EQ(window.title, "Skylister : Untitled");
    EXPECT_EQ(digitalName(0), "Das Zweite");
    EXPECT_TRUE(unsaved());
    EXPECT_EQ(readFile(copy), other);

    // Delete removes the copy and its row.
    window.history = [](HistorySession& session) { EXPECT_TRUE(session.remove(0)); };
    EXPECT_FALSE(runHistory(doc, window));
    EXPECT_TRUE(historyEntries(folder).empty());
}

}  // namespace
}  // namespace sky::test
