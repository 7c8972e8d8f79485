// skylister-cli rename: what it prints, its exit statuses, --dry-run, and the list it writes with
// the previous one kept as LIST.bak.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/CliRunner.h"
#include "support/TempDir.h"

namespace sky {
namespace {

namespace fs = std::filesystem;

class RenameCli : public ::testing::Test {
protected:
    test::CliRun cli(const std::string& arguments) {
        return test::runCli("rename " + arguments, dir.path().string());
    }

    std::string copyExample() {
        const std::string path = dir.file("list.txt");
        fs::copy_file(test::exampleFile("channels.txt"), path);
        return path;
    }

    test::TempDir dir;
};

TEST_F(RenameCli, UsageErrors) {
    const std::string list = copyExample();
    for (const char* arguments : {"", " --dry-run", " --fit 14", " --case shout", " --replace x",
                                  " --regex '(=x'", " --replace", " --case upper --view tp"}) {
        EXPECT_EQ(cli(list + arguments).status, 2) << arguments;
    }
    EXPECT_EQ(cli(dir.file("missing.txt") + " --case upper").status, 1);
    EXPECT_NE(test::runCli("--help", dir.path().string()).out.find("rename LIST.txt"),
              std::string::npos);
}

TEST_F(RenameCli, PrintsTheNewNamesAndWritesOnlyWithoutDryRun) {
    const std::string list = copyExample();
    const std::string original = test::readFile(list);
    const std::string rules =
        " --view digital --replace RTL=ZDF --replace NRK1= --regex '^(.*) Int$=$1 International'"
        " --replace 'BR Sued=BR S\xc3\xbc\x64'";
    const std::string printed =
        "  digital 2  \"BR Sued\" -> \"BR S\xc3\xbc\x64\"\n"
        "  digital 7  \"RTL\" -> \"ZDF\"  equal to another channel's name\n"
        "  digital 12  \"NRK1\" -> \"\"  empty: not renamed\n"
        "  digital 13  \"TVE Int\" -> \"TVE International\"  longer than 13 characters: not "
        "renamed\n";

    const test::CliRun dry = cli(list + rules + " --dry-run");
    ASSERT_EQ(dry.status, 0) << dry.err;
    EXPECT_EQ(dry.out, printed +
                           "2 channels would be renamed, 2 not, 9 unchanged.\n"
                           "The list is left as it was.\n");
    EXPECT_EQ(test::readFile(list), original);
    EXPECT_FALSE(fs::exists(dir.file("list.bak")));

    const test::CliRun run = cli(list + rules);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, printed + "2 channels renamed, 2 not, 9 unchanged.\n" +
                           "The previous list is kept as " + dir.file("list.bak") + ".\n");
    EXPECT_EQ(test::readFile(dir.file("list.bak")), original);
    const std::string renamed = test::readFile(list);
    EXPECT_NE(renamed.find("\"BR S\xfc\x64\""), std::string::npos);  // Latin-1 in the list
    EXPECT_NE(renamed.find("\"NRK1\""), std::string::npos);
    EXPECT_EQ(test::runCli("check " + list, dir.path().string()).status, 0);

    // Nothing left to change: the list is not written again.
    fs::remove(dir.file("list.bak"));
    const test::CliRun again = cli(list + " --view digital --replace RTL=ZDF");
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_NE(again.out.find("The list is left as it was."), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.file("list.bak")));
}

}  // namespace
}  // namespace sky
