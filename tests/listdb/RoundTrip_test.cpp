// Open and save never break a list the check accepts: the saved file passes the check, opens to
// the same rows, and saves to the same bytes again. Where that cannot hold, Open refuses the list
// and names the line.

#include "support/RoundTrip.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Format.h"
#include "compiler/ListText.h"
#include "listdb/ListFile.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky {
namespace {

using test::ListText;

struct Outcome {
    bool checked = false;  // the check accepts the list
    bool refused = false;  // Open refuses it
    std::string fault;     // what the round trip broke
    std::vector<std::string> messages;
    TokenArray tokens;
};

// Checks the list, opens it, and then runs the round trip on it.
Outcome open(const ListText& list) {
    test::TempDir dir;
    const std::string path = dir.file("list.txt");
    test::writeFile(path, list.text());
    RuntimeSettings settings;
    test::RecordingUi ui;
    ListFile db(settings, ui, path);
    Outcome outcome;
    outcome.checked = db.check();
    if (outcome.checked && db.loadChannelList(outcome.tokens) != LoadResult::Failed) {
        outcome.fault = test::roundTripFault(list.text(), settings, outcome.refused);
    } else {
        outcome.refused = outcome.checked;
    }
    outcome.messages = ui.messages;
    return outcome;
}

void expectKept(const ListText& list) {
    const Outcome outcome = open(list);
    ASSERT_TRUE(outcome.checked) << testing::PrintToString(outcome.messages);
    EXPECT_FALSE(outcome.refused) << testing::PrintToString(outcome.messages);
    EXPECT_EQ(outcome.fault, "");
}

void expectRefusedAtOpen(const ListText& list, const std::string& message) {
    const Outcome outcome = open(list);
    ASSERT_TRUE(outcome.checked) << testing::PrintToString(outcome.messages);
    EXPECT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.messages, std::vector<std::string>{message});
}

// 32 names; satellite 1 in use, satellite 2 blank.
ListText satellites() {
    ListText list;
    list.names(32)
        .header("SATELLITE")
        .line("1 Astra N 10600 9750 1 192")
        .line("2 Blank Y 10600 9750 2 0");
    return list;
}

std::string satelliteElsewhere(int slot, int line) {
    return format(
        "\n ERROR : SAT INDEX %d is declared otherwise before this row than in the whole list "
        "!!!\n           line number %d ",
        slot, line);
}

TEST(RoundTrip, TheNamesAreCountedWithoutASatelliteSectionToo) {
    const std::string count =
        "\n ERROR : SYNTAX - Number of SAT NAME should be %d !!!\nline number %d ";
    ListText oneName;
    oneName.header("SATELLITE_NAME_LIST").line("1 A").header("END");
    Outcome outcome = open(oneName);
    EXPECT_FALSE(outcome.checked);
    EXPECT_EQ(outcome.messages, std::vector<std::string>{format(count.c_str(), 32, 3)});
    EXPECT_FALSE(open(ListText()).checked);

    // Names after the SATELLITE header would stand before it once saved.
    ListText late = satellites();
    late.header("SATELLITE_NAME_LIST").line("33 LATE");
    outcome = open(late);
    EXPECT_FALSE(outcome.checked);
    EXPECT_EQ(outcome.messages,
              std::vector<std::string>{format(count.c_str(), 32, late.lastLine())});

    ListText namesOnly;
    namesOnly.names(32);
    expectKept(namesOnly);
}

TEST(RoundTrip, NamesLongerThanTheReceiverKeepsReadBackWhole) {
    // The check never looks at them: a transponder's comment, and rows of satellites not in use.
    ListText list = satellites();
    list.header("DIGITAL TP")
        .line("1 1 11836 27500 H \"ARD Bouquet 1234\"")
        .line("2 7 11836 27500 H \"Undeclared Comment\"")
        .header("DIGITAL CHANNEL")
        .line("1 1 7 00A0 TV \"Fourteen Chars\" 0 N")
        .line("2 1 2 00A1 TV \"Fourteen Chars\" 0 N")
        .header("DIGITAL PID CHANNEL")
        .line("1 1 7 TV \"Fourteen Chars\" 512 650 512 0 N")
        .header("ANALOG TP")
        .line(
            "0 2 11214 KU \"Fourteen Chars\" 27MHz H 128 128 CVBS STEREO 6.50 6.65 130 N U50 "
            "TV N");
    expectKept(list);
}

TEST(RoundTrip, ThePosotionerSettlesAtTheFirstOpen) {
    ListText list = satellites();
    list.line("3 Signed N 10600 9750 3 65535")
        .line("4 OldForm 10600 9750 4 +065528")
        .line("5 Lowest N 10600 9750 5 -32768");
    const Outcome outcome = open(list);
    EXPECT_EQ(outcome.fault, "");
    ASSERT_FALSE(outcome.refused);
    const TokenArray satellitesFrom3(outcome.tokens.end() - 3 * 7 - 1, outcome.tokens.end() - 1);
    EXPECT_EQ(satellitesFrom3, (TokenArray{"3", "Signed",  "N", "10600", "9750", "3", "-1",
                                           "4", "OldForm", "N", "10600", "9750", "4", "-8",
                                           "5", "Lowest",  "N", "10600", "9750", "5", "-32768"}));

    // Values that 16 bits cannot hold would change on every save, and text the compiler does not
    // read as a number would reach the receiver as 0 whatever the list shows.
    for (const std::string row :
         {"3 Big N 10600 9750 3 100000", "3 Old 10600 9750 3 70000", "3 Low N 10600 9750 3 -32769",
          "3 Text N 10600 9750 3 12abc", "3 OldText 10600 9750 3 X"}) {
        ListText refused = satellites();
        refused.line(row);
        const std::string value = row.substr(row.rfind(' ') + 1);
        expectRefusedAtOpen(refused,
                            format("\n ERROR : SYNTAX - SAT Posotioner %s is not a number from "
                                   "-32768 to 65535 !!!\n           line number %d ",
                                   value.c_str(), refused.lastLine()));
    }
}

TEST(RoundTrip, RowsFindTheirSatelliteAsTheSavedListWill) {
    // Saved, every row follows one SATELLITE section that holds the last row of each slot.
    ListText before;
    before.names(32).header("DIGITAL TP").line("1 9 11836 27500 H NEVER").line("2 2 118 1 H BLANK");
    before.line("3 1 11836 27500 H LATER");
    const int laterLine = before.lastLine();
    before.header("SATELLITE").line("1 Astra N 10600 9750 1 192").line("2 Blank Y 10600 9750 2 0");
    expectRefusedAtOpen(before, satelliteElsewhere(1, laterLine));

    ListText harmless;
    harmless.names(32)
        .header("DIGITAL TP")
        .line("1 9 11836 27500 H NEVER")
        .line("2 2 118 1 H BLANK")
        .header("SATELLITE")
        .line("2 Blank Y 10600 9750 2 0");
    expectKept(harmless);

    // A second SATELLITE section: rows after it see its satellites only, rows before it not its
    // changes.
    ListText forgotten = satellites();
    forgotten.header("SATELLITE").line("3 Other N 10600 9750 3 0");
    forgotten.header("DIGITAL TP").line("1 1 118 1 H FORGOTTEN");
    expectRefusedAtOpen(forgotten, satelliteElsewhere(1, forgotten.lastLine()));

    ListText blanked = satellites();
    blanked.header("DIGITAL TP").line("1 1 11836 27500 H USED");
    const int usedLine = blanked.lastLine();
    blanked.header("SATELLITE").line("1 Astra Y 10600 9750 1 192");
    expectRefusedAtOpen(blanked, satelliteElsewhere(1, usedLine));
}

TEST(RoundTrip, SavedLinesStayShortEnoughToReadBack) {
    // The longest row: an analog channel of a satellite not in use, every field 19 characters.
    const std::string field(19, '1');
    std::string row = field + " 0000000000000000009";
    for (int i = 2; i < 18; ++i) row += " " + (i == 4 ? "\"" + std::string(19, 'N') + "\"" : field);
    ListText longest = satellites();
    longest.header("ANALOG TP").line(row);
    expectKept(longest);

    ListText tooLong = satellites();
    tooLong.line("3 Blanks " + std::string(20, 'N') + " 10600 9750 3 0");
    expectRefusedAtOpen(tooLong, format("\n ERROR : SYNTAX - \"%s\" exceeds %d characters "
                                        "!!!\n           line number %d ",
                                        std::string(20, 'N').c_str(), 19, tooLong.lastLine()));
}

}  // namespace
}  // namespace sky
