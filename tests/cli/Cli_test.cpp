// The command-line tool as users script it: exit statuses, messages on standard error, files
// written.

#include <gtest/gtest.h>

#include <filesystem>

#include "common/ProgramVersion.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

namespace sky {
namespace {

namespace fs = std::filesystem;

using test::CliRun;

class CliTest : public ::testing::Test {
protected:
    CliRun cli(const std::string& arguments) {
        return test::runCli(arguments, dir.path().string());
    }

    std::string copyExample() {
        const std::string path = dir.file("list.txt");
        fs::copy_file(test::exampleFile("channels.txt"), path);
        return path;
    }

    test::TempDir dir;
};

TEST_F(CliTest, UsageAndHelp) {
    const CliRun help = cli("--help");
    EXPECT_EQ(help.status, 0);
    for (const char* command : {"check", "compile", "convert", "format", "duplicates", "import-tp",
                                "apply-order", "diff", "export", "download", "upload"}) {
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    }
    const CliRun version = cli("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("skylister-cli ") + kProgramVersion + "\n");
    EXPECT_EQ(cli("").status, 2);
    EXPECT_EQ(cli("frobnicate x.txt").status, 2);
    EXPECT_EQ(cli("check").status, 2);
    EXPECT_EQ(cli("check a.txt --bogus").status, 2);
    const CliRun badMode = cli("compile a.txt --mode fast");
    EXPECT_EQ(badMode.status, 2);
    EXPECT_NE(badMode.err.find("--mode"), std::string::npos);
}

TEST_F(CliTest, CheckReportsTheFirstErrorWithItsLine) {
    const std::string list = copyExample();
    EXPECT_EQ(cli("check " + list).status, 0);
    EXPECT_EQ(cli("check " + list + " --sat40").status, 1);

    std::string text = test::readFile(list);
    const size_t type = text.rfind("TV", text.find("\"Das Erste\""));
    ASSERT_NE(type, std::string::npos);
    text[type + 1] = 'X';
    test::writeFile(list, text);
    const CliRun bad = cli("check " + list);
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("SVC Type !!!  TV or RADIO is OK."), std::string::npos) << bad.err;
    EXPECT_FALSE(fs::exists(dir.file("list.lst")));

    EXPECT_EQ(cli("check " + dir.file("missing.txt")).status, 1);
}

TEST_F(CliTest, CompileWritesImageAndDownloadFileOnly) {
    const std::string list = copyExample();
    const std::string before = test::readFile(list);
    for (const char* mode : {"basic", "normal", "preinstalled", "split"}) {
        const CliRun run = cli("compile " + list + " --mode " + mode);
        EXPECT_EQ(run.status, 0) << mode << run.err;
        EXPECT_EQ(test::readFile(list), before) << mode;
        EXPECT_TRUE(fs::exists(dir.file("list.hex")));
        EXPECT_TRUE(fs::exists(dir.file("list.bin")));
        for (const char* leftover : {"list.cplsrc", "list.mrg", "list.tmp", "list.lst"}) {
            EXPECT_FALSE(fs::exists(dir.file(leftover))) << mode << " left " << leftover;
        }
    }
}

TEST_F(CliTest, ConvertAndFormat) {
    const std::string list = copyExample();
    ASSERT_EQ(cli("compile " + list + " --mode basic").status, 0);
    const std::string bin = test::readFile(dir.file("list.bin"));
    fs::remove(dir.file("list.bin"));
    const CliRun convert = cli("convert " + dir.file("list.hex"));
    EXPECT_EQ(convert.status, 0);
    EXPECT_NE(convert.err.find("Conversion is terminated successfully."), std::string::npos);
    EXPECT_EQ(test::readFile(dir.file("list.bin")), bin);
    EXPECT_EQ(cli("convert " + dir.file("list.txt")).status, 2);
    // An upper-case extension is converted by its own path.
    fs::rename(dir.file("list.hex"), dir.file("UPPER.HEX"));
    EXPECT_EQ(cli("convert " + dir.file("UPPER.HEX")).status, 0);
    EXPECT_EQ(test::readFile(dir.file("UPPER.bin")), bin);

    const std::string before = test::readFile(list);
    ASSERT_EQ(cli("format " + list).status, 0);
    EXPECT_EQ(test::readFile(dir.file("list.bak")), before);
    const std::string formatted = test::readFile(list);
    ASSERT_EQ(cli("format " + list).status, 0);
    EXPECT_EQ(test::readFile(list), formatted);
    EXPECT_EQ(cli("check " + list).status, 0);
}

TEST_F(CliTest, DuplicatesListsTheGroupsAndRemovesThemKeepingTheBackup) {
    const std::string list = copyExample();
    std::string text = test::readFile(list);
    // A copy of transponder 1 with a copy of "Das Erste" on it, and a copy of the analog "RTL".
    text.insert(text.find("\r\n", text.find("\"on blank sat\"")) + 2,
                "9 0 11836 27500 H \"ARD again\"\r\n");
    text.insert(text.find("\r\n", text.find("\"Hidden\"")) + 2,
                "17 9 0 6fee TV \"Das Erste HD\" 0 N\r\n");
    text.insert(text.find("[END]"),
                "6 0 11214 KU \"RTL copy\" 27MHz H 1 1 CVBS STEREO 6.50 6.65 130 N U50 TV N\r\n");
    test::writeFile(list, text);
    ASSERT_EQ(cli("check " + list).status, 0);

    const CliRun found = cli("duplicates " + list);
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_NE(
        found.out.find("Digital TP: SAT Index 0, Frequency 11836, Symbol Rate 27500, "
                       "Polarization H\n       1  \"ARD\"  (kept)\n       9  \"ARD again\"\n"),
        std::string::npos)
        << found.out;
    EXPECT_NE(found.out.find("      17  \"Das Erste HD\"\n"), std::string::npos);
    EXPECT_NE(found.out.find("3 groups of duplicates found."), std::string::npos);
    EXPECT_EQ(test::readFile(list), text);

    // A write that fails leaves the list as it was and says so.
    const CliRun failed = test::runCli("duplicates " + list + " --remove", dir.path().string(),
                                       "trap '' XFSZ; ulimit -f 4;");
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("ERROR!!! Saving not Complete"), std::string::npos) << failed.err;
    EXPECT_EQ(test::readFile(list), text);

    const CliRun removed = cli("duplicates " + list + " --remove");
    EXPECT_EQ(removed.status, 0) << removed.err;
    EXPECT_NE(removed.out.find("3 rows removed"), std::string::npos);
    EXPECT_EQ(test::readFile(dir.file("list.bak")), text);
    EXPECT_EQ(cli("check " + list).status, 0);
    const CliRun none = cli("duplicates " + list);
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "No duplicates found.\n");
}

TEST_F(CliTest, ImportTpAddsTheNewRowsOfATableAndReportsTheRest) {
    const std::string list = copyExample();
    const std::string original = test::readFile(list);
    const std::string table = dir.file("Astra-19.2E");
    const auto block = [](const char* system, const char* frequency, const char* rate) {
        return std::string("[CHANNEL]\n\tDELIVERY_SYSTEM = ") + system +
               "\n\tFREQUENCY = " + frequency +
               "\n\tPOLARIZATION = VERTICAL\n\tSYMBOL_RATE = " + rate + "\n\n";
    };
    test::writeFile(
        table, "# test table\n" + block("DVBS", "12500000", "27500000") +
                   block("DVBS2", "12600000", "27500000") + block("DVBS", "10992000", "27500000") +
                   block("DVBS", "12700000", "128000") + block("DVBS2", "12800000", "27500000") +
                   block("DVBS", "12801000", "27500000"));

    // A faulty table changes nothing.
    test::writeFile(dir.file("Bad-1.0E"), "[CHANNEL]\nFREQUENCY = 12500000\n");
    const CliRun bad = cli("import-tp " + list + " " + dir.file("Bad-1.0E") + " --sat 1");
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("Bad-1.0E line 1 : the [CHANNEL] block has no DELIVERY_SYSTEM"),
              std::string::npos)
        << bad.err;
    EXPECT_EQ(cli("import-tp " + list + " " + table).status, 2);

    const CliRun run = cli("import-tp " + list + " " + table + " --sat 1");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Added (2):\n  12500 V 27500  line 2\n"
              "  12801 V 27500  line 32: the LNB cannot receive it: IF 2201 MHz, above the LNB's "
              "range\n"
              "Already in the list (1):\n  10992 V 27500  line 14: already in the list as D_TP 5\n"
              "Repeated in the table (1):\n  12800 V 27500  line 26: the same as line 32 of the "
              "table\n"
              "Not taken (2):\n"
              "  12600 V 27500  line 8: DVB-S2: a receiver of this list format tunes DVB-S only\n"
              "  12700 V   128  line 20: the symbol rate 128 kS/s is not of 4 or 5 digits\n"
              "2 transponders added to satellite 1; the previous list is kept as " +
                  dir.file("list.bak") + ".\n");
    EXPECT_EQ(test::readFile(dir.file("list.bak")), original);
    const std::string imported = test::readFile(list);
    EXPECT_NE(imported.find("9      1      12500    27500    V   \"Astra\""), std::string::npos)
        << imported;
    EXPECT_EQ(cli("check " + list).status, 0);

    // A refused import adds nothing and does not say it did.
    std::string full = imported;
    full.replace(full.find("9      1      12500"), 1, "65535");
    test::writeFile(list, full);
    test::writeFile(table, block("DVBS", "12900000", "27500000"));
    const CliRun refused = cli("import-tp " + list + " " + table + " --sat 1");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("CANCELED : The D_TP Index would pass 65535!!!"), std::string::npos)
        << refused.err;
    EXPECT_EQ(refused.out,
              "Would have been added (1):\n  12900 V 27500  line 1: the LNB cannot receive it: IF "
              "2300 MHz, above "
              "the LNB's range\n");
    EXPECT_EQ(test::readFile(list), full);
}

TEST_F(CliTest, ApplyOrderWritesTheListInTheReferencesOrderOrNothingOnABadLine) {
    const std::string list = copyExample();
    const std::string text = test::readFile(list);
    const std::string reference = dir.file("order.csv");
    test::writeFile(reference, "Number;Name\n1;zdf\n2;Das Erste\nthree;RTL\n");
    const CliRun malformed = cli("apply-order " + list + " " + reference);
    EXPECT_EQ(malformed.status, 1);
    EXPECT_NE(malformed.err.find(reference + ", line 4"), std::string::npos) << malformed.err;
    EXPECT_EQ(test::readFile(list), text);
    EXPECT_EQ(cli("apply-order " + list + " " + reference + " --unmatched sometimes").status, 2);
    // A device is no reference: it is refused, not read until it ends (it never does).
    const CliRun device = cli("apply-order " + list + " /dev/zero");
    EXPECT_EQ(device.status, 1);
    EXPECT_NE(device.err.find("CANCELED : /dev/zero cannot be read. Nothing was applied."),
              std::string::npos)
        << device.err;
    EXPECT_EQ(test::readFile(list), text);

    test::writeFile(reference, "Number;Name\n1;zdf\n2;Das Erste\n");
    const CliRun applied = cli("apply-order " + list + " " + reference + " --unmatched remove");
    EXPECT_EQ(applied.status, 0) << applied.err;
    EXPECT_NE(applied.out.find("Digital Channel: 0 matched by identity, 2 by name"),
              std::string::npos)
        << applied.out;
    EXPECT_EQ(test::readFile(dir.file("list.bak")), text);
    EXPECT_EQ(cli("check " + list).status, 0);
    const std::string ordered = test::readFile(list);
    EXPECT_LT(ordered.find("\"ZDF\""), ordered.find("\"Das Erste\""));
    EXPECT_EQ(ordered.find("\"RTL\"", ordered.find("[DIGITAL CHANNEL]")),
              ordered.find("\"RTL\"", ordered.find("[ANALOG TP]")));  // only the analog one

    // A list's own order changes nothing.
    const CliRun own = cli("apply-order " + list + " " + list);
    EXPECT_EQ(own.status, 0) << own.err;
    EXPECT_NE(own.out.find("already in the reference's order"), std::string::npos) << own.out;
    EXPECT_EQ(test::readFile(list), ordered);
}

TEST_F(CliTest, DiffPrintsOneLinePerDifferenceAndTellsByItsStatus) {
    const std::string a = copyExample();
    const std::string b = dir.file("b.txt");
    std::string text = test::readFile(a);
    text.replace(text.find("\"ZDF\""), 5, "\"ZDF HD\"");
    test::writeFile(b, text);

    const CliRun same = cli("diff " + a + " " + a);
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out, "# The lists are equal.\n");
    const CliRun differ = cli("diff " + a + " " + b);
    EXPECT_EQ(differ.status, 1) << differ.err;
    EXPECT_EQ(differ.out,
              "changed\tDigital Channel\t4\t4\tZDF HD\tName\n"
              "# Digital Channel: 0 only in A, 0 only in B, 1 changed, 0 moved\n"
              "# 1 channel differs.\n");
    EXPECT_EQ(cli("diff " + a).status, 2);
    EXPECT_EQ(cli("diff " + a + " " + dir.file("missing.txt")).status, 2);
}

TEST_F(CliTest, ExportWritesAViewToStandardOutputOrSafelyToAFile) {
    const std::string list = test::exampleFile("channels.txt");
    const auto run = [&](const std::string& arguments) {
        return cli("export " + list + " " + arguments);
    };
    const CliRun csv = run("--view digital --format csv --semicolon");
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out.substr(0, csv.out.find('\n') + 1),
              "Number;SVC ID;Name;freqency;Symbol Rate;Polarization;Bouquet;Sat Name\r\n");
    EXPECT_EQ(run("--format csv --semicolon -o " + dir.file("out.csv")).status, 0);
    EXPECT_EQ(test::readFile(dir.file("out.csv")), csv.out);

    const CliRun html = run("--view tp --format html");
    EXPECT_EQ(html.status, 0);
    EXPECT_EQ(html.out.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.out.find("<td>ZDF Vision</td>"), std::string::npos);

    EXPECT_EQ(run("--view everything --format csv").status, 2);
    EXPECT_EQ(run("--format pdf").status, 2);
    const CliRun nowhere = run("--format csv -o " + dir.file("missing/out.csv"));
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_NE(nowhere.err.find("can't write"), std::string::npos);
}

// Commands that only read a list leave its file as it is, even a list the editor saves again
// straight after opening it (a channel without a service ID); export never writes over the
// list's own files, however their path is spelt.
TEST_F(CliTest, CommandsThatReadAListNeverWriteIt) {
    const std::string list = copyExample();
    std::string text = test::readFile(list);
    text.replace(text.find("6FEF"), 4, "0000");
    test::writeFile(list, text);
    const std::string other = dir.file("other.txt");
    fs::copy_file(test::exampleFile("channels.txt"), other);
    fs::create_symlink(list, dir.file("link.txt"));
    const std::string otherText = test::readFile(other);
    const std::string relative = fs::relative(list).string();

    for (const std::string& command :
         {"export " + list + " --format csv",
          "export " + list + " --format html -o " + dir.file("out.html"),
          "diff " + list + " " + other, "duplicates " + list, "check " + list,
          "apply-order " + other + " " + list}) {
        cli(command);
        EXPECT_EQ(test::readFile(list), text) << command;
        EXPECT_FALSE(fs::exists(dir.file("list.bak"))) << command;
        fs::remove(dir.file("other.bak"));
        test::writeFile(other, otherText);
    }
    test::writeFile(dir.file("list.hex"), "image");
    for (const std::string& target :
         {list, relative, dir.file("./list.txt"), dir.file("link.txt"), dir.file("list.hex")}) {
        for (const char* format : {"csv", "html"}) {
            const CliRun run =
                cli("export " + list + " --format " + std::string(format) + " -o " + target);
            EXPECT_EQ(run.status, 1) << target;
            EXPECT_NE(run.err.find("belongs to the open channel list"), std::string::npos)
                << run.err;
        }
    }
    EXPECT_EQ(test::readFile(list), text);
    EXPECT_EQ(test::readFile(dir.file("list.hex")), "image");
    EXPECT_FALSE(fs::exists(dir.file("list.bak")));
}

}  // namespace
}  // namespace sky
