// skylister-cli import-channels: what it prints, its exit statuses, the list it writes with the
// previous one kept as LIST.bak, and a refusal (over capacity, a file of no known format) that
// leaves the list as it was.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/CliRunner.h"
#include "support/TempDir.h"

namespace sky {
namespace {

namespace fs = std::filesystem;

class ImportChannelsCli : public ::testing::Test {
protected:
    test::CliRun cli(const std::string& arguments) {
        return test::runCli("import-channels " + arguments, dir.path().string());
    }

    std::string copyExample() {
        const std::string path = dir.file("list.txt");
        fs::copy_file(test::exampleFile("channels.txt"), path);
        return path;
    }

    test::TempDir dir;
};

TEST_F(ImportChannelsCli, UsageErrors) {
    const std::string list = copyExample();
    const std::string file = dir.file("channels.conf");
    test::writeFile(file, "A:11000:h:0:27500:1:2:0:3\n");
    EXPECT_EQ(cli(list).status, 2);
    EXPECT_EQ(cli(list + " " + file + " --format xml").status, 2);
    EXPECT_EQ(cli(list + " " + file + " --tick some").status, 2);
    EXPECT_EQ(cli(list + " " + file + " --sat x").status, 2);
    EXPECT_NE(test::runCli("--help", dir.path().string()).out.find("import-channels"),
              std::string::npos);
}

TEST_F(ImportChannelsCli, PrintsWhatItAddsAndSkipsAndKeepsTheBackup) {
    const std::string list = copyExample();
    const std::string original = test::readFile(list);
    const std::string file = dir.file("channels.conf");
    test::writeFile(file,
                    ":Group\n"
                    "Neu TV;Prov:11836:hS0:S19.2E:27500:101:102:0:0:4660:1:1:0\n"
                    "Pay:11836:hS0:S19.2E:27500:101:102:0:1702:4661:1:1:0\n"
                    "Far:11000:vS0:S45E:27500:0:102:0:0:4662:1:1:0\n"
                    "Bad:11000\n");
    const test::CliRun run = cli(list + " " + file);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Imported (2):\n"
              "  line 2  Neu TV  TV  sat 0  11836 H 27500\n"
              "  line 4  Far  RADIO  sat 5  11000 V 27500\n"
              "Not imported (2):\n"
              "  line 3  Pay  TV  sat 0  11836 H 27500  encrypted: CA 1702; it may be ticked\n"
              "  line 5  unreadable: the row has 2 fields where a channel has 13 (or 9 or 10 in "
              "the old form)\n"
              "Added: 2 channels, 0 PID channels, 1 transponders, 1 satellites\n"
              "Room in the list before the import: 19986 channels, 998 PID channels, 19992 "
              "transponders, 45 satellites\n"
              "Not imported, encrypted: 1\n"
              "Not imported, unreadable: 1\n"
              "The previous list is kept as " +
                  dir.file("list.bak") + ".\n");
    EXPECT_EQ(test::readFile(dir.file("list.bak")), original);
    EXPECT_EQ(test::runCli("check " + list, dir.path().string()).status, 0);

    // Nothing new the second time: the list is not written again.
    fs::remove(dir.file("list.bak"));
    const test::CliRun again = cli(list + " " + file + " --format vdr");
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_NE(again.out.find("No channels to add; the list is left as it was."), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.file("list.bak")));
}

TEST_F(ImportChannelsCli, PidChannelsForServicesWithoutAServiceId) {
    const std::string list = copyExample();
    const std::string file = dir.file("channels.conf");
    test::writeFile(file, "No Sid:11836:hS0:S19.2E:27500:301:302:0:0:0:1:1:0\n");
    const test::CliRun without = cli(list + " " + file);
    EXPECT_EQ(without.status, 0) << without.err;
    EXPECT_NE(without.out.find("no service id: no service id (may become a PID channel)"),
              std::string::npos)
        << without.out;
    const test::CliRun with = cli(list + " " + file + " --pid");
    ASSERT_EQ(with.status, 0) << with.err;
    EXPECT_NE(with.out.find("Imported (1):\n  line 1  No Sid  PID  sat 0  11836 H 27500\n"),
              std::string::npos)
        << with.out;
    EXPECT_NE(with.out.find("Added: 0 channels, 1 PID channels"), std::string::npos);
    EXPECT_EQ(test::runCli("check " + list, dir.path().string()).status, 0);
}

TEST_F(ImportChannelsCli, RefusalsLeaveTheListAsItWas) {
    const std::string list = dir.file("full.txt");
    const std::string listgen = std::string(SKYLISTER_BINARY_DIR) + "/tools/skylister-listgen";
    ASSERT_EQ(std::system((listgen + " " + list + " --names 32 --pid 0 >/dev/null").c_str()), 0);
    const std::string original = test::readFile(list);
    const std::string dvbv5 = SKYLISTER_SOURCE_DIR "/tests/fuzz/corpus/dvbv5/channels.dvbv5";

    const test::CliRun full = cli(list + " " + dvbv5 + " --sat 0");
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.err.find("CANCELED : The import does not fit the list: 3 channels with room "
                            "for 0"),
              std::string::npos)
        << full.err;
    EXPECT_NE(full.out.find("Would add: 3 channels"), std::string::npos) << full.out;

    const std::string text = dir.file("notes.txt");
    test::writeFile(text, "just some notes\n");
    const test::CliRun unknown = cli(list + " " + text);
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("is not a VDR channels.conf, a DVBv5 channel file or an Enigma2 "
                               "lamedb"),
              std::string::npos)
        << unknown.err;
    EXPECT_EQ(cli(list + " " + dir.file("missing.conf")).status, 1);
    EXPECT_EQ(test::readFile(list), original);
    EXPECT_FALSE(fs::exists(dir.file("full.bak")));
}

}  // namespace
}  // namespace sky
