// Received lists kept under names of their own beside the upload file, and their removal.

#include "serial/ReceivedLists.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "support/TempDir.h"

namespace sky {
namespace {

namespace fs = std::filesystem;

TEST(ReceivedLists, KeptListsAreNamedByTheirTimeAndNeverOverwritten) {
    test::TempDir dir;
    const std::string upload = dir.file("SATupload.txt");
    // 2026-12-08 15:50:12 local time.
    std::tm local{};
    local.tm_year = 126;
    local.tm_mon = 11;
    local.tm_mday = 8;
    local.tm_hour = 15;
    local.tm_min = 50;
    local.tm_sec = 12;
    local.tm_isdst = -1;
    const auto at = std::chrono::system_clock::from_time_t(std::mktime(&local));
    EXPECT_EQ(keepReceivedList(upload, "one", at), dir.file("SATupload-20261208-155012.txt"));
    EXPECT_EQ(keepReceivedList(upload, "two", at), dir.file("SATupload-20261208-155012-2.txt"));
    EXPECT_EQ(test::readFile(dir.file("SATupload-20261208-155012.txt")), "one");
    // The size a dump of the newest kept list has: each line with its mark.
    fs::last_write_time(dir.file("SATupload-20261208-155012.txt"),
                        fs::file_time_type::clock::now() - std::chrono::hours(1));
    test::writeFile(dir.file("SATupload-20261208-155012-2.txt"), "a\r\nbc\r\n");
    EXPECT_EQ(expectedDumpSize(upload), 7u + 2 * 2);
    EXPECT_EQ(expectedDumpSize(dir.file("other.txt")), std::nullopt);
}

TEST(ReceivedLists, PruningKeepsTheNewestFewAndTheOneJustNamed) {
    // Random numbers of kept lists of random ages: what is left is the newest up to the count,
    // none older than the age limit, always the one just named, and nothing else is touched.
    std::mt19937 random(11);
    for (int run = 0; run < 20; ++run) {
        test::TempDir dir;
        const std::string upload = dir.file("SATupload.txt");
        test::writeFile(upload, "current");
        test::writeFile(dir.file("notes.txt"), "mine");
        const auto now = fs::file_time_type::clock::now();
        const int count = static_cast<int>(random() % 40);
        std::vector<std::pair<fs::file_time_type, std::string>> lists;
        for (int i = 0; i < count; ++i) {
            const std::string path = dir.file("SATupload-2026" + std::to_string(1000 + i) + ".txt");
            test::writeFile(path, "list");
            const auto age = std::chrono::hours(random() % (24 * 60));
            fs::last_write_time(path, now - age);
            lists.emplace_back(now - age, path);
        }
        const std::string named = count > 0 ? lists[random() % count].second : std::string();
        pruneKeptLists(upload, named);
        std::sort(lists.rbegin(), lists.rend());
        size_t others = 0;
        for (const auto& [time, path] : lists) {
            const bool stays =
                path == named || (++others < kKeptListCount && time >= now - kKeptListAge);
            EXPECT_EQ(fs::exists(path), stays) << path;
        }
        EXPECT_TRUE(fs::exists(upload));
        EXPECT_TRUE(fs::exists(dir.file("notes.txt")));
    }
}

}  // namespace
}  // namespace sky
