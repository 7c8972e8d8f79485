#include "editor/model/DetailRows.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "editor/ListFixture.h"
#include "editor/editing/Renumber.h"
#include "editor/model/ChannelRecords.h"

namespace sky {
namespace {

using test::Record;

struct Details {
    DetailRows digital{kDigitalDetailWidth};
    DetailRows analog{kAnalogDetailWidth};
};

Details build(const TokenArray& tokens) {
    Details d;
    rebuildDetailRows(tokens, locateSections(tokens), d.digital, d.analog);
    return d;
}

Record rowOf(const DetailRows& rows, std::size_t r) {
    return Record(rows.row(r), rows.row(r) + rows.width());
}

TEST(SectionMap, LastMarkerCountsAndMissingOrReversedMarkersGiveNoCells) {
    TokenArray tokens = {"CHANNEL START", "x",          "CHANNEL END",  "CHANNEL START", "a", "b",
                         "CHANNEL END",   "ANALOG END", "ANALOG START", "DIGITAL START"};
    const SectionMap sections = locateSections(tokens);
    EXPECT_TRUE(sections[kChannelSection].found);
    EXPECT_EQ(sections[kChannelSection].begin, 4u);
    EXPECT_EQ(sections[kChannelSection].size(), 2u);
    EXPECT_TRUE(sections[kAnalogTpSection].found);
    EXPECT_EQ(sections[kAnalogTpSection].size(), 0u);
    EXPECT_FALSE(sections[kDigitalTpSection].found);
    EXPECT_EQ(sections[kDigitalTpSection].size(), 0u);
}

TEST(DetailRows, DigitalViewJoinsTransponderAndSatelliteAndListsPidChannelsLast) {
    test::TestList list = test::sampleList(0, 0, 0);
    list.pids = {test::pidChannel("9", "3", "2", "P1")};
    list.channels = {test::digital("1", "1", "1", "D1"), test::digital("2", "0", "1", "Free")};
    TokenArray tokens = list.tokens();
    // Put the PID section in front of everything else.
    const auto pidStart = std::find(tokens.begin(), tokens.end(), "CHANNEL_PID START");
    const auto pidEnd = std::find(tokens.begin(), tokens.end(), "CHANNEL_PID END") + 1;
    std::rotate(tokens.begin(), pidStart, pidEnd);
    ASSERT_EQ(tokens.front(), "CHANNEL_PID START");
    const Details d = build(tokens);

    ASSERT_EQ(d.digital.rowCount(), 3u);
    EXPECT_EQ(rowOf(d.digital, 0),
              (Record{"1",     "1",     "1", "00A1", "TV",    "D1",    "",     "",  "",    "1", "N",
                      "11778", "27500", "H", "ARD",  "ASTRA", "10600", "9750", "1", "0192"}));
    // TP Index 0 shows fixed transponder cells.
    const Record free = rowOf(d.digital, 1);
    EXPECT_EQ(Record(free.begin() + kDigFrequency, free.begin() + kDigSatName),
              (Record{"0000", "0000", "V", "___"}));
    EXPECT_EQ(
        rowOf(d.digital, 2),
        (Record{"9", "3",     "2",     "",  "TV",  "P1",      "100",   "101",  "102", "1",
                "N", "10971", "27500", "H", "RAI", "HOTBIRD", "10600", "9750", "1",   "-0130"}));
}

TEST(DetailRows, UnmatchedTransponderOrSatelliteKeepsEveryRowAtFullWidth) {
    test::TestList list = test::sampleList(0, 0, 0);
    list.channels = {test::digital("1", "77", "9", "Lost"), test::digital("2", "1", "1", "D2")};
    list.pids = {test::pidChannel("3", "78", "1", "P")};
    list.analogs = {test::analog("1", "9", "Lost"), test::analog("2", "2", "A2")};
    const Details d = build(list.tokens());

    ASSERT_EQ(d.digital.cells().size(), 3u * kDigitalDetailWidth);
    const Record lost = rowOf(d.digital, 0);
    EXPECT_EQ(lost[kDigName], "Lost");
    for (int c = kDigFrequency; c < kDigitalDetailWidth; ++c) EXPECT_EQ(lost[c], "") << c;
    EXPECT_EQ(d.digital.cell(1, kDigName), "D2");
    EXPECT_EQ(d.digital.cell(1, kDigBouquet), "ARD");
    EXPECT_EQ(d.digital.cell(2, kDigFrequency), "");
    EXPECT_EQ(d.digital.cell(2, kDigSatName), "ASTRA");

    ASSERT_EQ(d.analog.cells().size(), 2u * kAnalogDetailWidth);
    EXPECT_EQ(d.analog.cell(0, kAnaSatName), "");
    EXPECT_EQ(d.analog.cell(1, kAnaName), "A2");
    EXPECT_EQ(d.analog.cell(1, kAnaSatName), "HOTBIRD");
    EXPECT_EQ(d.analog.cell(1, kAnaDegree), "-0130");
}

TEST(DetailRows, JoinTakesTheFirstRecordOfAnIndexAndRebuildFollowsChanges) {
    test::TestList list = test::sampleList(1, 0, 0);
    list.transponders.push_back(test::transponder("1", "2", "99999", "SECOND"));
    TokenArray tokens = list.tokens();
    Details d = build(tokens);
    EXPECT_EQ(d.digital.cell(0, kDigBouquet), "ARD");

    // A rebuild into the same rows after the list shrank leaves no stale row behind.
    tokens = test::sampleList(0, 0, 0).tokens();
    rebuildDetailRows(tokens, locateSections(tokens), d.digital, d.analog);
    EXPECT_EQ(d.digital.rowCount(), 0u);
}

TEST(Renumber, DigitalThenPidCountOnAndAnalogStartsAgain) {
    test::TestList list = test::sampleList(2, 2, 3);
    list.channels[0][0] = "1";
    list.channels[1][0] = "1";
    list.pids[0][0] = "0500";
    list.analogs[2][0] = "44";
    TokenArray tokens = list.tokens();
    renumberChannels(tokens, locateSections(tokens));
    const SectionMap s = locateSections(tokens);
    std::vector<std::string> digitalNumbers;
    for (std::size_t row = 0; row < digitalViewRowCount(s); ++row) {
        digitalNumbers.push_back(tokens[recordOfRow(s, true, row)->cell]);
    }
    EXPECT_EQ(digitalNumbers, (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(tokens[recordOfRow(s, false, 2)->cell], "3");
}

TEST(ChannelRecords, RowsMapToRecordsOfTheirKind) {
    const TokenArray tokens = test::sampleList(2, 2, 1).tokens();
    const SectionMap s = locateSections(tokens);
    const auto second = recordOfRow(s, true, 1);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->kind, RecordKind::Digital);
    EXPECT_EQ(tokens[second->cell + 5], "D2");
    const auto pid = recordOfRow(s, true, 3);
    ASSERT_TRUE(pid);
    EXPECT_EQ(pid->kind, RecordKind::Pid);
    EXPECT_EQ(tokens[pid->cell + 4], "P2");
    EXPECT_FALSE(recordOfRow(s, true, 4));
    EXPECT_EQ(recordOfRow(s, false, 0)->kind, RecordKind::Analog);
    EXPECT_FALSE(recordOfRow(s, false, 1));
}

}  // namespace
}  // namespace sky
