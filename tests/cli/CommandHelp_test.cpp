// One command's usage: `skylister-cli help COMMAND`, `COMMAND --help` and `COMMAND -h`.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/CliRunner.h"
#include "support/TempDir.h"

namespace sky {
namespace {

using test::CliRun;

class CommandHelpTest : public ::testing::Test {
protected:
    CliRun cli(const std::string& arguments) {
        return test::runCli(arguments, dir.path().string());
    }

    // The commands the usage text has an entry for.
    std::vector<std::string> commands() {
        std::vector<std::string> names;
        std::istringstream usage(cli("--help").out);
        for (std::string line; std::getline(usage, line);) {
            if (line.size() > 2 && line.compare(0, 2, "  ") == 0 && std::islower(line[2])) {
                names.push_back(line.substr(2, line.find(' ', 2) - 2));
            }
        }
        return names;
    }

    test::TempDir dir;
};

TEST_F(CommandHelpTest, EveryCommandPrintsItsOwnUsageInEachForm) {
    const std::vector<std::string> names = commands();
    ASSERT_GE(names.size(), 14u);
    for (const std::string& name : names) {
        const CliRun help = cli("help " + name);
        EXPECT_EQ(help.status, 0) << name;
        EXPECT_EQ(help.out.rfind("Usage: skylister-cli " + name + " ", 0), 0u) << help.out;
        // The entry ends where the next command's begins; the notes on every command follow.
        for (const std::string& other : names) {
            if (other != name) {
                EXPECT_EQ(help.out.find("  " + other + " "), std::string::npos) << name;
            }
        }
        EXPECT_NE(help.out.find("Exit status:"), std::string::npos) << name;
        EXPECT_EQ(cli(name + " --help").out, help.out) << name;
        EXPECT_EQ(cli(name + " -h").out, help.out) << name;
    }
    const std::string rename = cli("help rename").out;
    EXPECT_NE(rename.find("[--dry-run] [--sat40]\n"), std::string::npos) << rename;
    EXPECT_NE(rename.find("LIST.bak; --dry-run writes nothing)\n"), std::string::npos) << rename;
}

TEST_F(CommandHelpTest, HelpAfterACommandRunsNothing) {
    const std::string list = dir.file("list.txt");
    test::writeFile(list, test::readFile(test::exampleFile("channels.txt")));
    const CliRun run = cli("rename " + list + " --case upper --help");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, cli("help rename").out);
    EXPECT_EQ(test::readFile(list), test::readFile(test::exampleFile("channels.txt")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("list.bak")));

    EXPECT_EQ(cli("help").out, cli("--help").out);
    const CliRun unknown = cli("help frobnicate");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.out.empty());
    EXPECT_NE(unknown.err.find("unknown command 'frobnicate'"), std::string::npos);
    EXPECT_EQ(cli("help check diff").status, 2);
    EXPECT_EQ(cli("help --sat40").status, 2);
}

}  // namespace
}  // namespace sky
