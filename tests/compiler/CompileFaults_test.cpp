// Input the compile must refuse cleanly: unreadable lines, indexes outside its tables, unknown
// headers, short rows, bad paths and output that cannot be stored.

#include <gtest/gtest.h>

#include <filesystem>

#include "CompileFixture.h"
#include "db/SiblingPath.h"

namespace sky {
namespace {

namespace fs = std::filesystem;
using test::ListText;
using test::smallList;

const char* const kCheckLine = "\n  ERROR : check the following line!!   \n ==> line number %d ";

class CompileFaults : public test::CompileFixture {
protected:
    // Compiles text that is refused at `line` with `message`; nothing is left beside the list.
    void expectRefused(const std::string& text, const std::string& message,
                       CompileMode mode = kBasic) {
        ui.messages.clear();
        test::writeFile(listPath(), text);
        EXPECT_EQ(compilePath(listPath(), mode), 0);
        EXPECT_EQ(ui.messages, std::vector<std::string>{message});
        EXPECT_EQ(test::filesIn(dir.path()), std::vector<std::string>{"list.txt"});
    }
};

TEST_F(CompileFaults, UnreadableLinesEndTheCompileWithTheirNumber) {
    const std::string start = smallList().text();
    const int next = smallList().lastLine() + 1;
    expectRefused(start + std::string(499, 'x') + "\r\n[END]\r\n", format(kCheckLine, next));
    expectRefused(start + "# it\"s a comment\r\n[END]\r\n", format(kCheckLine, next));
    expectRefused(start + "2 1 1 00A1 TV X 0 N", format(kCheckLine, next), kNormal);
    // A last "[END]" needs no CR LF.
    test::writeFile(listPath(), start + "[END]");
    EXPECT_EQ(compilePath(listPath(), kBasic), 1);
}

TEST_F(CompileFaults, IndexesOutsideTheTablesAreRefused) {
    const auto refused = [&](const char* what, const ListText& list, const char* message) {
        SCOPED_TRACE(what);
        expectRefused(list.text(), format(message, list.lastLine()));
    };
    const char* satRange =
        "\n ERROR : SYNTAX - SAT INDEX out of range !!!\n           line number %d ";
    const char* tpRange =
        "\n ERROR : SYNTAX - D_TP INDEX out of range !!!\n           line number %d ";
    const char* svcRange =
        "\n ERROR : SYNTAX - SVC INDEX out of range !!!\n           line number %d ";
    const char* analogRange =
        "\n ERROR : SYNTAX - A_TP INDEX out of range !!!\n           line number %d ";

    ListText satellite;
    satellite.names(32).header("SATELLITE").line("50 A N 10600 9750 1");
    refused("satellite slot", satellite, satRange);
    refused("satellite of a channel", smallList("2 1 -1 00A1 TV X 0 N"), satRange);
    ListText tp = smallList();
    tp.header("DIGITAL TP").line("65536 1 12345 27500 H X");
    refused("transponder", tp, tpRange);
    refused("transponder of a channel", smallList("2 65536 1 00A1 TV X 0 N"), tpRange);
    refused("channel", smallList("65536 1 1 00A1 TV X 0 N"), svcRange);
    refused("channel, huge", smallList("4294967297 1 1 00A1 TV X 0 N"), svcRange);
    ListText pid = smallList();
    pid.header("DIGITAL PID CHANNEL").line("65536 1 1 TV X 1 2 3 0 N");
    refused("PID channel", pid, svcRange);
    ListText analog = smallList();
    analog.header("ANALOG TP")
        .line("65536 1 1149 C A 18MHz H 8 10 CVBS STEREO 6.50 6.50 130 N NO_DEEMP TV N");
    refused("analog channel", analog, analogRange);

    // Channels numbered on from a full list of digital channels fit the maps.
    ListText bigPid = smallList("20000 1 1 00A1 TV X 0 N");
    bigPid.header("DIGITAL PID CHANNEL").line("20999 1 1 TV X 1 2 3 0 N").header("END");
    EXPECT_EQ(compile(bigPid, kBasic), 1);
    EXPECT_EQ(compile(bigPid, kNormal), 1);
}

TEST_F(CompileFaults, ABracketedLineNamingNoSectionIsRefused) {
    ListText list = smallList();
    list.line("[DIGITAL TPS]").line("2 1 12345 27500 H X");
    expectRefused(list.text(), format("\nERROR : syntax in %s !!!\n  line number %d ",
                                      "[DIGITAL TPS]", list.lastLine() - 1));
}

TEST_F(CompileFaults, AShortRowTakesNothingFromTheNextLine) {
    // Read across the line end, the "N" below would complete the channel row.
    ListText list = smallList("2 1 1 00A1 TV X 0");
    const int shortRow = list.lastLine();
    list.line("N").header("END");
    expectRefused(list.text(), format(kCheckLine, shortRow));
    // A number column that holds no number is refused the same way.
    ListText notNumber = smallList("2 1 one 00A1 TV X 0 N");
    expectRefused(notNumber.text(), format(kCheckLine, notNumber.lastLine()));
}

TEST_F(CompileFaults, PathRules) {
    ListText list = smallList();
    list.header("END");
    test::writeFile(dir.file("LIST.TXT"), list.text());
    EXPECT_EQ(compilePath(dir.file("LIST.TXT"), kNormal), 1);
    EXPECT_TRUE(fs::exists(dir.file("LIST.hex")));
    EXPECT_FALSE(fs::exists(dir.file("LIST.tmp")));

    // Without ".txt" the output would be the list itself.
    const std::string other = dir.file("list.txt.bak");
    test::writeFile(other, list.text());
    for (const bool checkOnly : {false, true}) {
        ui.messages.clear();
        EXPECT_EQ(compilePath(other, kBasic, checkOnly), 0);
        EXPECT_EQ(ui.messages, std::vector<std::string>{notTextPathMessage(other)});
        EXPECT_EQ(test::readFile(other), list.text());
    }
    EXPECT_EQ(test::filesIn(dir.path()).size(), 3u);

    ui.messages.clear();
    EXPECT_EQ(compilePath(dir.file("missing.txt"), kBasic), 0);
    EXPECT_EQ(ui.messages, std::vector<std::string>{
                               "Can't open Input file : " + dir.file("missing.txt") + "\n"});
}

TEST_F(CompileFaults, AFullDiskIsAFailure) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    ListText list = smallList();
    list.header("END");
    // base.tmp (Normal, raw image) and base.hex (both modes) each land on a full disk.
    for (const auto& [mode, name] : std::vector<std::pair<CompileMode, std::string>>{
             {kBasic, "list.hex"}, {kNormal, "list.tmp"}, {kNormal, "list.hex"}}) {
        SCOPED_TRACE(name);
        fs::create_symlink("/dev/full", dir.file(name));
        ui.messages.clear();
        EXPECT_EQ(compile(list, mode), 0);
        EXPECT_EQ(ui.messages,
                  std::vector<std::string>{"Can't write Output file : " + dir.file(name) + "\n"});
        std::error_code ignored;
        fs::remove(dir.file(name), ignored);
        EXPECT_EQ(test::filesIn(dir.path()), std::vector<std::string>{"list.txt"});
    }
}

}  // namespace
}  // namespace sky
