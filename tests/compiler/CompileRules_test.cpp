// The row rules of the compile: each refusal's text and line number, the order of the rules,
// and what the format accepts.

#include <gtest/gtest.h>

#include "CompileFixture.h"

namespace sky {
namespace {

using test::ListText;
using test::smallList;

// A list that ends with a refused line: smallList() followed by `lines`; the last is refused.
struct Refusal {
    const char* what;
    CompileMode mode;
    std::vector<std::string> lines;
    const char* message;  // with %d for the line number
};

class CompileRules : public test::CompileFixture {
protected:
    void expectRefusal(const Refusal& r) {
        ListText list = smallList();
        for (const std::string& line : r.lines) list.line(line);
        const int refused = list.lastLine();
        list.header("END");
        ui.messages.clear();
        EXPECT_EQ(compile(list, r.mode), 0) << r.what;
        EXPECT_EQ(ui.messages, std::vector<std::string>{format(r.message, refused)}) << r.what;
    }
};

const char* const kAnalogHeader = "[ANALOG TP]";
// An analog row with one column replaced.
std::string analog(int column, const std::string& value) {
    std::vector<std::string> f{"1",    "1",   "1149", "C",        "A",      "18MHz",
                               "H",    "8",   "10",   "CVBS",     "STEREO", "6.50",
                               "6.50", "130", "N",    "NO_DEEMP", "TV",     "N"};
    f[static_cast<size_t>(column)] = value;
    std::string row;
    for (const std::string& field : f) row += field + " ";
    return row;
}

TEST_F(CompileRules, RowRefusalsNameTheirLine) {
    const std::vector<Refusal> refusals{
        {"TP Basic frequency",
         kBasic,
         {"[DIGITAL TP]", "2 1 123 27500 H X"},
         "\n\n\n ERROR : SYNTAX - D_TP frequency !!!.\n           line number %d "},
        {"TP Normal frequency",
         kNormal,
         {"[DIGITAL TP]", "2 1 123456 27500 H X"},
         "\n ERROR : SYNTAX - D_TP frequency. 4 or 5 digit requested !!!\n           line number "
         "%d "},
        {"TP Basic symbol rate",
         kBasic,
         {"[DIGITAL TP]", "2 1 12345 275 H X"},
         "\n\n\n ERROR : SYNTAX - D_TP symbol rate. 4 or 5 digit requested !!!.\n           line "
         "number %d "},
        // The rules run in a different order in the two modes.
        {"TP Basic: frequency before polarization",
         kBasic,
         {"[DIGITAL TP]", "2 1 1 27500 X X"},
         "\n\n\n ERROR : SYNTAX - D_TP frequency !!!.\n           line number %d "},
        {"TP Normal: polarization before frequency",
         kNormal,
         {"[DIGITAL TP]", "2 1 1 27500 X X"},
         "\n ERROR : SYNTAX - D_TP Polarization !!!\n           line number %d "},
        {"TP Basic polarization",
         kBasic,
         {"[DIGITAL TP]", "2 1 12345 27500 L X"},
         "\n\n ERROR : SYNTAX - D_TP Polarization !!!.\n           line number %d "},
        {"TP duplicate",
         kNormal,
         {"[DIGITAL TP]", "1 1 12345 27500 V X"},
         "\n\n ERROR - same D_TP INDEX already exists.\n           line number %d "},
        {"channel without transponder",
         kBasic,
         {"2 5 1 00A1 TV X 0 N"},
         "\n\n ERROR - D_TP index.\n           line number %d "},
        {"channel type Basic",
         kBasic,
         {"2 1 1 00A1 TB X 0 N"},
         "\n ERROR : SYNTAX - SVC Type !!!  TV or RADIO is OK.\n           line number %d "},
        {"channel type Normal",
         kNormal,
         {"2 1 1 00A1 TB X 0 N"},
         "\n ERROR : SYNTAX - svc type !!! TV or RADIO is OK.\n           line number %d "},
        {"channel duplicate",
         kNormal,
         {"1 1 1 00A1 TV X 0 N"},
         "\n\n ERROR - same SVC INDEX already exists.\n           line number %d "},
        {"channel blank",
         kBasic,
         {"2 1 1 00A1 TV X 0 Q"},
         "\n ERROR : SYNTAX - blank !!! Y or N is OK.\n           line number %d "},
        {"channel name",
         kNormal,
         {"2 1 1 00A1 TV \"Fourteen chars\" 0 N"},
         "\n ERROR : SYNTAX - NAME exceeds 13!!!\n           line number %d "},
        {"PID blank Basic",
         kBasic,
         {"[DIGITAL PID CHANNEL]", "1 1 1 TV X 1 2 3 0 Q"},
         "\n ERROR : SYNTAX - CHANNEL blank !!!\n           line number %d "},
        {"PID blank Normal",
         kNormal,
         {"[DIGITAL PID CHANNEL]", "1 1 1 TV X 1 2 3 0 Q"},
         "\n\n ERROR - D_TP Blank must Y or N.\n           line number %d "},
        {"PID transponder Normal",
         kNormal,
         {"[DIGITAL PID CHANNEL]", "1 9 1 TV X 1 2 3 0 N"},
         "\n\n ERROR - D_TP:fail make Tp map table.\n           line number %d "},
        {"PID name Basic",
         kBasic,
         {"[DIGITAL PID CHANNEL]", "1 1 1 TV ABCDEFGHIJKLMN 1 2 3 0 N"},
         "\n ERROR : SYNTAX - DIGITAL CHANNEL NAME exceeds 13!!!\n           line number %d "},
        {"PID duplicate within its section",
         kBasic,
         {"[DIGITAL PID CHANNEL]", "1 1 1 TV X 1 2 3 0 N", "1 1 1 TV X 1 2 3 0 N"},
         "\n\n ERROR - same SVC INDEX already exists.\n           line number %d "},
        {"analog TV/RADIO",
         kBasic,
         {kAnalogHeader, analog(16, "AM")},
         "\n ERROR : SYNTAX - TV/RADIO!!!\n           line number %d "},
        {"analog name",
         kBasic,
         {kAnalogHeader, analog(4, "ABCDEFGHIJKLMN")},
         "\n ERROR : SYNTAX - NAME exceeds 13!!!\n           line number %d "},
        {"analog frequency",
         kNormal,
         {kAnalogHeader, analog(2, "114")},
         "\n ERROR : SYNTAX - A_TP frequency. 4 or 5 digit requested !!!\n           line "
         "number %d "},
        {"analog video band",
         kBasic,
         {kAnalogHeader, analog(5, "20MHz")},
         "\n ERROR : SYNTAX - A_TP video band !!!\n           line number %d "},
        {"analog decoder",
         kBasic,
         {kAnalogHeader, analog(9, "RGB")},
         "\n ERROR : SYNTAX - A_TP decoder output !!!\n           line number %d "},
        {"analog audio band",
         kBasic,
         {kAnalogHeader, analog(13, "200")},
         "\n ERROR : SYNTAX - A_TP audio band !!!\n           line number %d "},
        {"analog de-emphasis",
         kBasic,
         {kAnalogHeader, analog(15, "U60")},
         "\n ERROR : SYNTAX - A_TP De-Emphasis !!!\n           line number %d "},
        {"analog panda",
         kBasic,
         {kAnalogHeader, analog(14, "X")},
         "\n ERROR : SYNTAX - A_TP panda_enable !!!\n           line number %d "},
        {"analog TP band",
         kBasic,
         {kAnalogHeader, analog(3, "L")},
         "\n ERROR : SYNTAX - A_TP TP_band !!!\n           line number %d "},
    };
    for (const Refusal& r : refusals) expectRefusal(r);
}

TEST_F(CompileRules, NameListAndSatelliteRefusals) {
    ListText longName;
    longName.header("SATELLITE_NAME_LIST").line("1 ABCDEFGHIJKLMN");
    EXPECT_EQ(compile(longName, kBasic), 0);
    ListText wrongIndex;
    wrongIndex.header("SATELLITE_NAME_LIST").line("1 A").line("3 B");
    EXPECT_EQ(compile(wrongIndex, kNormal), 0);
    ListText tooMany;
    tooMany.names(33).header("SATELLITE");
    EXPECT_EQ(compile(tooMany, kBasic), 0);
    ListText sameSlot;
    sameSlot.names(32).header("SATELLITE").line("4 A N 10600 9750 1").line("4 B Y 10600 9750 1");
    EXPECT_EQ(compile(sameSlot, kBasic), 0);
    ListText lnbLow;
    lnbLow.names(32).header("SATELLITE").line("4 A 10600 975 1");
    EXPECT_EQ(compile(lnbLow, kBasic), 0);
    ListText beforeHeader;
    beforeHeader.line("# a comment").line("1 A");
    EXPECT_EQ(compile(beforeHeader, kBasic), 0);

    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{
                  "\n ERROR : SYNTAX - SAT NAME exceeds 13!!!\n         line number 2 ",
                  "\n ERROR : SYNTAX - SAT NAME INDEX !!!\n         line number 3 ",
                  "\n ERROR : SYNTAX - Number of SAT NAME should be 32 !!!\nline number 35 ",
                  "\n\n ERROR - same INDEX already exists. \n         line number 36 ",
                  "\n ERROR : SYNTAX - SAT LNB_LOW frequency. 4 or 5 digit requested !!!\n"
                  "         line number 35 ",
                  "\n ERROR : INVALID state !!!\n           line number 2 ",
              }));
}

TEST_F(CompileRules, SatelliteRowsCountTheirFieldsUpToAComment) {
    const std::vector<std::pair<std::string, int>> rows{
        {"1 A N 10600 9750 192 65486", 1}, {"1 A N 10600 9750 192", 1},  // no Posotioner
        {"1 A N 10600 9750 192 x", 1},    // an unreadable Posotioner counts as none
        {"1 A 10600 9750 192", 1},        // the older form without Blank
        {"1 A N 10600 9750 # 192 1", 0},  // the comment hides the Position
        {"1 A N 10600 9750 x", 0},         {"1 A 10600 9750", 0},       {"x A N 10600 9750 192", 0},
    };
    for (const auto& [row, result] : rows) {
        ListText list;
        list.names(32).header("SATELLITE").line(row).header("END");
        ui.messages.clear();
        EXPECT_EQ(compile(list, kBasic), result) << row;
        if (result == 0) {
            EXPECT_EQ(ui.messages,
                      std::vector<std::string>{"Satellite Section's information is illegal!!!"})
                << row;
        }
    }
}

TEST_F(CompileRules, ASecondSatelliteSectionRestartsTheSlotsButKeepsTheTransponders) {
    ListText list = smallList();
    list.header("SATELLITE")
        .line("1 Again N 10600 9750 1")
        .header("DIGITAL CHANNEL")
        .line("2 1 1 00A0 TV X 0 N")
        .header("END");
    EXPECT_EQ(compile(list, kNormal), 1) << ::testing::PrintToString(ui.messages);
}

TEST_F(CompileRules, DuplicateAnalogIndexFailsWithoutAMessage) {
    ListText list = smallList();
    list.line(kAnalogHeader).line(analog(0, "4")).line(analog(0, "4")).header("END");
    EXPECT_EQ(compile(list, kBasic), 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CompileRules, KeywordsByPrefixAndFlagsByFirstCharacter) {
    ListText list = smallList("1 1 1 00a0 TVX \"A B\" 0 No   # trailing comment");
    list.line(kAnalogHeader)
        .line("1 1 1149 CX A 18MHzz Hor 8 10 CVBSX STEREOX 6.50 6.50 1300 Yes NO_DEEMPX RADIOX Nn")
        .header("END")
        .line("this line is never read");
    ASSERT_EQ(compile(list, kBasic), 1) << ::testing::PrintToString(ui.messages);
    const std::vector<uint8_t> bytes = image().bytes;
    const size_t channelAt = 452 + 4 + 28 + 8 + 24 + 8;
    EXPECT_EQ(bytes[channelAt], 0xA0);   // a lower-case hexadecimal service ID
    EXPECT_EQ(bytes[channelAt + 7], 1);  // TV
    EXPECT_EQ(std::string(bytes.begin() + channelAt + 9, bytes.begin() + channelAt + 12), "A B");
    const size_t analogAt = channelAt + 28 + 8;
    EXPECT_EQ(bytes[analogAt + 23], 0x01);  // Panda from "Yes"
    EXPECT_EQ(bytes[analogAt + 24], 0x01);  // RADIO, not blank
}

TEST_F(CompileRules, CheckOnlyWritesNothing) {
    ListText list = smallList();
    list.header("END");
    for (const CompileMode mode : {kBasic, kNormal}) {
        EXPECT_EQ(compile(list, mode, true), 1);
        EXPECT_EQ(test::filesIn(dir.path()), std::vector<std::string>{"list.txt"});
    }
    ListText bad = smallList("1 1 1 00A0 TV X 0 Q");
    EXPECT_EQ(compile(bad, kBasic, true), 0);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(test::filesIn(dir.path()), std::vector<std::string>{"list.txt"});
}

}  // namespace
}  // namespace sky
