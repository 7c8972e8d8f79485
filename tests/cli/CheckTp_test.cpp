// skylister-cli check-tp: what it prints against a folder of tables, its exit statuses (0 nothing
// flagged, 1 something flagged, 2 an error), --table, --lnb-only, and a list left as it was.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/CliRunner.h"
#include "support/TempDir.h"

namespace sky {
namespace {

namespace fs = std::filesystem;

std::string block(const char* system, int khz, const char* polarisation, int rate) {
    return std::string("[CHANNEL]\n\tDELIVERY_SYSTEM = ") + system +
           "\n\tFREQUENCY = " + std::to_string(khz) + "\n\tPOLARIZATION = " + polarisation +
           "\n\tSYMBOL_RATE = " + std::to_string(rate) + "\n";
}

class CheckTpCli : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(tables);
        fs::copy_file(test::exampleFile("channels.txt"), list);
        // The example list's ASTRA 1 (19.2 E) has 11836, 11954 and 12188 H at 27500.
        test::writeFile(tables + "/Test-19.2E",
                        block("DVBS", 11836000, "HORIZONTAL", 27500000) +
                            block("DVBS", 11954000, "HORIZONTAL", 22000000) +
                            block("DVBS2", 12188000, "HORIZONTAL", 27500000) +
                            block("DVBS", 12500000, "VERTICAL", 27500000));
        test::writeFile(dir.file("Same-19.2E"), block("DVBS", 11836000, "H", 27500000) +
                                                    block("DVBS", 11954000, "H", 27500000) +
                                                    block("DVBS", 12188000, "H", 27500000));
    }
    test::CliRun cli(const std::string& arguments) {
        return test::runCli("check-tp " + list + " " + arguments, dir.path().string());
    }

    test::TempDir dir;
    std::string tables = dir.file("tables");
    std::string list = dir.file("list.txt");
};

TEST_F(CheckTpCli, PrintsWhatDiffersAndExitsOneWhenSomethingIsFlagged) {
    const std::string original = test::readFile(list);
    const test::CliRun run = cli("--tables " + tables + " --sat 0");
    EXPECT_EQ(run.status, 1) << run.err;
    const std::string date = run.out.substr(run.out.find(" of ") + 4, 10);
    EXPECT_EQ(run.out,
              "Satellite 0 \"ASTRA 1\" at 19.2 E, LNB 10600/9750: Test-19.2E of " + date +
                  ", 4 transponders\n"
                  "  D_TP 2  11954 H 27500  symbol rate 27500 in the list, 22000 in the table\n"
                  "  D_TP 3  12188 H 27500  now DVB-S2 (1 channel); the receiver may not tune "
                  "it\n"
                  "  1 of 3 transponders the same as in the table\n"
                  "  In the table, not in the list (1 DVB-S transponder):\n"
                  "    12500 V 27500  line 16\n"
                  "2 flagged.\n");
    EXPECT_EQ(test::readFile(list), original);

    const test::CliRun same =
        cli("--tables " + tables + " --sat 0 --table " + dir.file("Same-19.2E"));
    EXPECT_EQ(same.status, 0) << same.out;
    EXPECT_NE(same.out.find("Same-19.2E of "), std::string::npos);
    EXPECT_NE(same.out.find("(chosen)"), std::string::npos);
    EXPECT_NE(same.out.find("Nothing flagged."), std::string::npos);
}

TEST_F(CheckTpCli, LnbOnlyFlagsWhatTheLnbCannotTune) {
    EXPECT_EQ(cli("--lnb-only").status, 0);
    std::string text = test::readFile(list);
    text.replace(text.find("10600    09750    1     192"), 14, "09750    10600");
    text.replace(text.find("11954"), 5, "03840");
    test::writeFile(list, text);
    const test::CliRun run = cli("--lnb-only --sat 0");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "Satellite 0 \"ASTRA 1\" at 19.2 E, LNB 9750/10600\n"
              "  The LO fields look swapped: LNB_LO LOW is above LNB_LO HIGH.\n"
              "  D_TP 2   3840 H  IF 6760 MHz on LO 10600: C-band frequency on a Ku-band LNB\n"
              "  D_TP 3  12188 H  IF 2438 MHz on LO 9750: above the LNB's range\n"
              "3 flagged.\n");
}

TEST_F(CheckTpCli, ErrorsExitTwo) {
    EXPECT_EQ(cli("--tables " + dir.file("none")).status, 2);
    EXPECT_EQ(cli("--tables " + tables + " --sat 9").status, 2);
    EXPECT_EQ(cli("--table " + dir.file("Same-19.2E")).status, 2);
    EXPECT_EQ(cli("--tables " + tables + " --sat 0 --table " + dir.file("none")).status, 2);
    EXPECT_EQ(
        test::runCli("check-tp " + dir.file("missing.txt") + " --lnb-only", dir.path().string())
            .status,
        2);
    EXPECT_NE(test::runCli("--help", dir.path().string()).out.find("check-tp"), std::string::npos);
}

}  // namespace
}  // namespace sky
