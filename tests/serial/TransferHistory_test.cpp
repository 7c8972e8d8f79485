#include "serial/TransferHistory.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"

namespace sky {
namespace {

using namespace std::chrono_literals;
using test::TempDir;

const std::string kList =
    "[SATELLITE]\r\n# Index Name\r\n1 \"ASTRA\"\r\n2 \"HOTBIRD\"\r\n\r\n[DIGITAL TP]\r\n"
    "1 1 11778\r\n[DIGITAL CHANNEL]\r\n1 \"ONE\"\r\n2 \"TWO\"\r\n[DIGITAL PID CHANNEL]\r\n"
    "3 \"PID\"\r\n[END]\r\n";

const auto kStart = std::chrono::system_clock::from_time_t(1'800'000'000);

size_t filesIn(const std::filesystem::path& folder) {
    size_t count = 0;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        (void)file;
        ++count;
    }
    return count;
}

TEST(TransferHistory, KeepsSentAndFetchedListsNewestFirstWithTheirCounts) {
    TempDir dir;
    const std::string folder = dir.file("history");
    test::writeFile(dir.file("list.bin"), "IMAGE");
    EXPECT_FALSE(keepInHistory(folder, HistoryKind::Sent, kList, dir.file("list.bin"),
                               dir.file("list.txt"), 1'000'000, kStart));
    // A second transfer in the same second gets a name of its own.
    EXPECT_FALSE(keepInHistory(folder, HistoryKind::Fetched, "[END]\r\n", "", "/dev/ttyS0",
                               1'000'000, kStart));
    EXPECT_FALSE(keepInHistory(folder, HistoryKind::Fetched, kList, "", "/dev/ttyS0", 1'000'000,
                               kStart + 1s));

    const std::vector<HistoryEntry> entries = historyEntries(folder);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].kind, HistoryKind::Fetched);
    EXPECT_EQ(entries[0].channels, 3);
    EXPECT_TRUE(entries[0].binPath.empty());
    EXPECT_EQ(entries[1].channels, 0);
    const HistoryEntry& sent = entries[2];
    EXPECT_EQ(sent.kind, HistoryKind::Sent);
    EXPECT_EQ(sent.source, dir.file("list.txt"));
    EXPECT_EQ(sent.satellites, 2);
    EXPECT_EQ(sent.transponders, 1);
    EXPECT_EQ(sent.channels, 3);
    EXPECT_EQ(test::readFile(sent.textPath), kList);
    EXPECT_EQ(test::readFile(sent.binPath), "IMAGE");
    EXPECT_EQ(sent.when.size(), std::string("2027-01-15 08:00:00").size());

    EXPECT_TRUE(deleteHistoryEntry(sent));
    EXPECT_EQ(historyEntries(folder).size(), 2u);
    EXPECT_EQ(filesIn(folder), 4u);
}

TEST(TransferHistory, PrunesTheOldestFirstToTheLimitButNeverTheOneJustKept) {
    TempDir dir;
    const std::string folder = dir.file("history");
    for (int i = 0; i < 5; ++i) {
        ASSERT_FALSE(keepInHistory(folder, HistoryKind::Fetched, kList, "", "port", 1'000'000,
                                   kStart + std::chrono::seconds(i)));
    }
    const std::vector<HistoryEntry> all = historyEntries(folder);
    ASSERT_EQ(all.size(), 5u);
    const uint64_t each = all[0].bytes;

    // Room for two and a half: the two newest stay.
    pruneHistory(folder, each * 5 / 2);
    std::vector<HistoryEntry> left = historyEntries(folder);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].name, all[0].name);
    EXPECT_EQ(left[1].name, all[1].name);

    // A limit smaller than one list keeps the list just kept and nothing else.
    ASSERT_FALSE(keepInHistory(folder, HistoryKind::Sent, kList, "", "a.txt", 1, kStart + 10s));
    left = historyEntries(folder);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].kind, HistoryKind::Sent);
}

TEST(TransferHistory, AListThatCannotBeKeptLeavesNothingAndSaysWhy) {
    TempDir dir;
    // A folder that cannot be made, as on a full or read-only disk.
    test::writeFile(dir.file("file"), "");
    const std::optional<std::string> reason = keepInHistory(
        dir.file("file") + "/history", HistoryKind::Fetched, kList, "", "port", 1000, kStart);
    ASSERT_TRUE(reason);
    EXPECT_NE(reason->find("history"), std::string::npos);

    // An image that cannot be read: no half entry, not even the text.
    const std::string folder = dir.file("history");
    EXPECT_TRUE(keepInHistory(folder, HistoryKind::Sent, kList, dir.file("missing.bin"), "a.txt",
                              1000, kStart));
    EXPECT_TRUE(historyEntries(folder).empty());
    std::error_code ignored;
    EXPECT_TRUE(std::filesystem::is_empty(folder, ignored) || !std::filesystem::exists(folder));
}

TEST(TransferHistory, FolderFollowsXdgStateHome) {
    ::setenv("XDG_STATE_HOME", "/state", 1);
    EXPECT_EQ(historyFolder(), "/state/skylister/history");
    ::setenv("XDG_STATE_HOME", "relative", 1);
    ::setenv("HOME", "/home/u", 1);
    EXPECT_EQ(historyFolder(), "/home/u/.local/state/skylister/history");
}

}  // namespace
}  // namespace sky
