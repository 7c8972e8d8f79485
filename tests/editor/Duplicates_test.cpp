// Find Duplicates: one case per rule of alike rows, Remove as an edit of the list document, and
// random lists with copies put in, cleared by Remove.

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "compiler/Compile.h"
#include "db/RecordLayout.h"
#include "db/TextWriter.h"
#include "editor/ListFixture.h"
#include "editor/document/ListDocument.h"
#include "editor/duplicates/DuplicateGroups.h"
#include "editor/duplicates/DuplicateRemoval.h"
#include "editor/editing/ChannelClipboard.h"
#include "editor/editing/Renumber.h"
#include "support/RecordingUi.h"

namespace sky::test {
namespace {

using Match = DuplicateMatch;
using Section = DuplicateSection;

Record withCell(Record record, std::size_t field, const std::string& text) {
    record[field] = text;
    return record;
}

Record nullDigital(const std::string& tp, const std::string& sat) {
    return withCell(digital("99", tp, sat, "--"), kChBlank, "Y");
}

// Each group's rows, as their positions in the section.
std::vector<std::vector<std::size_t>> groupRows(const TokenArray& tokens, Section section,
                                                Match match = Match::Exact) {
    std::vector<std::vector<std::size_t>> rows;
    for (const DuplicateGroup& group : findDuplicates(tokens, section, match)) {
        rows.emplace_back();
        for (const DuplicateRow& row : group.rows) rows.back().push_back(row.row);
    }
    return rows;
}

using Rows = std::vector<std::vector<std::size_t>>;

TEST(FindDuplicates, DigitalChannelsOnOneTransponderWithOneServiceId) {
    TestList list = validList();
    list.transponders = {transponder("1", "1", "11778"), transponder("2", "1", "12110"),
                         transponder("7", "1", "11778", "copy of 1")};
    list.channels = {digital("1", "1", "1", "ZDF"),
                     withCell(digital("2", "7", "1", "ZDF copy"), kChServiceId, "00a1"),
                     withCell(digital("3", "2", "1", "other TP"), kChServiceId, "00A1"),
                     withCell(digital("4", "1", "1", "other SVC"), kChServiceId, "00A2"),
                     withCell(nullDigital("1", "1"), kChServiceId, "00A1"),
                     withCell(digital("6", "1", "1", "ZDF again"), kChServiceId, "A1")};
    const TokenArray tokens = list.tokens();
    ASSERT_EQ(checkFailure(tokens), "");

    const std::vector<DuplicateGroup> groups =
        findDuplicates(tokens, Section::Digital, Match::Exact);
    ASSERT_EQ(groups.size(), 1u);
    const DuplicateGroup& group = groups[0];
    EXPECT_EQ(group.rows.size(), 3u);
    EXPECT_EQ(group.rows[1].row, 1u);
    EXPECT_EQ(group.rows[2].number, "6");
    EXPECT_EQ(group.rows[1].name, "ZDF copy");
    EXPECT_EQ(group.keeper, 0u);
    const std::vector<std::pair<std::string, std::string>> cells{{"SAT Index", "1"},
                                                                 {"Frequency", "11778"},
                                                                 {"Symbol Rate", "27500"},
                                                                 {"Polarization", "H"},
                                                                 {"SVC ID", "00A1"}};
    ASSERT_EQ(group.equalCells.size(), cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(group.equalCells[i].label, cells[i].first);
        EXPECT_EQ(group.equalCells[i].text, cells[i].second);
    }
}

TEST(FindDuplicates, PidChannelsWithOnePidSetOnOneTransponder) {
    TestList list = validList();
    list.transponders = {transponder("1", "1", "11778"), transponder("2", "1", "11778")};
    list.pids = {pidChannel("1", "1", "1", "P"), pidChannel("2", "2", "1", "P copy"),
                 withCell(pidChannel("3", "1", "1", "other PCR"), kPidPcr, "103"),
                 withCell(pidChannel("4", "1", "1", "--"), kPidBlank, "Y")};
    EXPECT_EQ(groupRows(list.tokens(), Section::Pid), (Rows{{0, 1}}));
}

TEST(FindDuplicates, AnalogChannelsOnOneFrequencyAndPolarization) {
    TestList list = validList();
    list.analogs = {
        withCell(analog("1", "1", "A"), kAnFrequency, "9750"),
        withCell(analog("2", "1", "B"), kAnFrequency, "09750"),
        withCell(withCell(analog("3", "1", "C"), kAnFrequency, "9750"), kAnPolarisation, "V"),
        withCell(withCell(analog("4", "2", "D"), kAnFrequency, "9750"), kAnBlank, "N"),
        withCell(withCell(analog("5", "1", "E"), kAnFrequency, "9750"), kAnBlank, "Y")};
    const TokenArray tokens = list.tokens();
    ASSERT_EQ(checkFailure(tokens), "");
    EXPECT_EQ(groupRows(tokens, Section::Analog), (Rows{{0, 1}}));
}

TEST(FindDuplicates, TranspondersOfOneTuningKeepTheLowestNumberButNotZero) {
    TestList list = validList();
    list.transponders = {transponder("5", "1", "11778"),
                         transponder("0", "1", "11778"),
                         transponder("3", "1", "11778"),
                         transponder("4", "2", "11778"),
                         withCell(transponder("6", "1", "11778"), kTpPolarisation, "V"),
                         withCell(transponder("8", "1", "11778"), kTpSymbolRate, "22000")};
    std::vector<DuplicateGroup> groups =
        findDuplicates(list.tokens(), Section::Transponder, Match::Exact);
    ASSERT_EQ(groups.size(), 1u);
    ASSERT_EQ(groups[0].rows.size(), 3u);
    EXPECT_EQ(groups[0].rows[groups[0].keeper].number, "3");
    EXPECT_FALSE(chooseKeeper(groups[0], 1));  // numbered 0
    EXPECT_FALSE(chooseKeeper(groups[0], 3));
    EXPECT_TRUE(chooseKeeper(groups[0], 0));
    EXPECT_EQ(groups[0].keeper, 0u);
}

TEST(FindDuplicates, NamesTrimmedAndRegardlessOfCase) {
    TestList list = validList();
    list.transponders = {transponder("1", "1", "11778", "ARD"),
                         transponder("2", "1", "12110", "ARD")};
    list.channels = {digital("1", "1", "1", "ZDF "), digital("2", "2", "1", "zdf"),
                     digital("3", "1", "1", "ZDF info"),
                     withCell(digital("4", "1", "1", "ZDF"), kChBlank, "Y")};
    list.analogs = {analog("1", "1", "RTL"), analog("2", "2", "Rtl")};
    const TokenArray tokens = list.tokens();
    EXPECT_EQ(groupRows(tokens, Section::Digital, Match::Name), (Rows{{0, 1}}));
    EXPECT_EQ(findDuplicates(tokens, Section::Digital, Match::Name)[0].equalCells[0].text, "ZDF");
    EXPECT_EQ(groupRows(tokens, Section::Analog, Match::Name), (Rows{{0, 1}}));
    EXPECT_TRUE(groupRows(tokens, Section::Digital).empty());
    EXPECT_TRUE(groupRows(tokens, Section::Transponder, Match::Name).empty());
}

TEST(FindDuplicates, CountForTheStatusBar) {
    TestList list = validList();
    list.transponders = {transponder("1", "1", "11778"), transponder("2", "1", "11778"),
                         transponder("3", "1", "11778")};
    list.channels = {digital("1", "1", "1", "A"), digital("1", "2", "1", "B")};
    list.analogs = {analog("1", "1", "A"), analog("2", "1", "B"), analog("3", "2", "C")};
    EXPECT_EQ(duplicateRowCount(list.tokens()), 2u + 1u + 1u);
    EXPECT_EQ(duplicateStatusText(4), "4 duplicates found: Edit Channel > Find Duplicates");
    EXPECT_EQ(duplicateStatusText(0), "");
}

class RemoveDuplicatesTest : public ::testing::Test {
protected:
    void adopt(const TestList& list) {
        document.adopt(list.tokens());
        ASSERT_EQ(checkFailure(document.tokens()), "");
    }
    std::vector<DuplicateGroup> find(Section section, Match match = Match::Exact) const {
        return findDuplicates(document.tokens(), section, match);
    }

    RecordingUi ui;
    RuntimeSettings settings;
    ListDocument document{ui, settings};
};

TEST_F(RemoveDuplicatesTest, ChannelsGoAsDeleteTakesThemAndUndoBringsThemBack) {
    TestList list = validList();
    list.transponders = {transponder("1", "1", "11778"), transponder("2", "1", "12110")};
    list.channels = {digital("1", "1", "1", "A"), digital("2", "2", "1", "B"),
                     withCell(digital("3", "1", "1", "A copy"), kChServiceId, "00A1"),
                     withCell(digital("4", "2", "1", "B copy"), kChServiceId, "00A2")};
    list.pids = {pidChannel("5", "1", "1", "P"), pidChannel("6", "1", "1", "P copy")};
    list.analogs = {analog("1", "1", "X"), analog("2", "1", "X copy")};
    adopt(list);
    const std::string before = channelListText(document.tokens());

    std::vector<DuplicateGroup> groups = find(Section::Digital);
    ASSERT_EQ(groups.size(), 2u);
    ASSERT_TRUE(chooseKeeper(groups[1], 1));  // keep "B copy"
    for (const DuplicateGroup& group : find(Section::Pid)) groups.push_back(group);
    for (const DuplicateGroup& group : find(Section::Analog)) groups.push_back(group);

    TokenArray deleted = document.tokens();
    deleteRows(deleted, true, {1, 2, 5});
    deleteRows(deleted, false, {1});
    renumberChannels(deleted, locateSections(deleted));

    EXPECT_EQ(removeDuplicates(document, groups), 4u);
    EXPECT_EQ(document.tokens(), deleted);
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(document.undoHistory().menuItem().text, "Undo (1 - Remove Duplicates)");
    EXPECT_EQ(checkFailure(document.tokens()), "");
    EXPECT_EQ(duplicateRowCount(document.tokens()), 0u);

    ASSERT_TRUE(document.undo());
    EXPECT_EQ(channelListText(document.tokens()), before);
    EXPECT_FALSE(document.hasUnsavedChanges());
}

TEST_F(RemoveDuplicatesTest, ChannelsOfARemovedTransponderMoveToTheKeptOne) {
    TestList list = validList();
    list.transponders = {transponder("1", "1", "11778"), transponder("2", "1", "12110"),
                         transponder("3", "1", "11778"), transponder("4", "1", "11778")};
    list.channels = {digital("1", "3", "1", "A"), digital("2", "2", "1", "B"),
                     nullDigital("4", "1")};
    list.pids = {pidChannel("5", "4", "1", "P")};
    adopt(list);

    std::vector<DuplicateGroup> groups = find(Section::Transponder);
    ASSERT_EQ(groups.size(), 1u);
    ASSERT_TRUE(chooseKeeper(groups[0], 1));  // keep TP 3
    EXPECT_EQ(removeDuplicates(document, groups), 2u);

    const TokenArray& tokens = document.tokens();
    const SectionMap sections = locateSections(tokens);
    EXPECT_EQ(sections[kDigitalTpSection].records(kTransponderFields), 2u);
    EXPECT_EQ(tokens[sections[kDigitalTpSection].begin + kTransponderFields + kTpIndex], "3");
    const std::size_t channels = sections[kChannelSection].begin;
    EXPECT_EQ(tokens[channels + kChTpIndex], "3");
    EXPECT_EQ(tokens[channels + kChannelFields + kChTpIndex], "2");
    EXPECT_EQ(tokens[channels + 2 * kChannelFields + kChTpIndex], "3");
    EXPECT_EQ(tokens[sections[kChannelPidSection].begin + kPidTpIndex], "3");
    EXPECT_EQ(checkFailure(tokens), "");
}

TEST_F(RemoveDuplicatesTest, GroupsOfAnotherStateOfTheListAreRefused) {
    TestList list = validList();
    list.analogs = {analog("1", "1", "A"), analog("2", "2", "B"), analog("3", "1", "C")};
    adopt(list);
    const std::vector<DuplicateGroup> groups = find(Section::Analog);
    // The list changes under the groups, as another state of the list read in.
    TokenArray tokens = document.tokens();
    deleteRows(tokens, false, {1});
    document.adopt(tokens);
    const TokenArray changed = document.tokens();

    EXPECT_EQ(removeDuplicates(document, groups), 0u);
    EXPECT_EQ(document.tokens(), changed);
    EXPECT_EQ(ui.messages, std::vector<std::string>{kDuplicatesOutdated});
    EXPECT_FALSE(document.undoHistory().available());

    document.setLocked(true);
    EXPECT_EQ(removeDuplicates(document, find(Section::Analog)), 0u);
    EXPECT_EQ(document.tokens(), changed);
}

TEST_F(RemoveDuplicatesTest, AChannelKeptByOneGroupStaysWhenAnotherWouldRemoveIt) {
    TestList list = validList();
    list.analogs = {analog("1", "2", "B"), analog("2", "1", "A"), analog("3", "1", "B")};
    adopt(list);
    std::vector<DuplicateGroup> groups = find(Section::Analog);                    // rows 1, 2
    const std::vector<DuplicateGroup> names = find(Section::Analog, Match::Name);  // rows 0, 2
    ASSERT_TRUE(chooseKeeper(groups[0], 1));  // row 2 keeps; the name group would remove it
    groups.insert(groups.end(), names.begin(), names.end());
    EXPECT_EQ(removeDuplicates(document, groups), 1u);
    EXPECT_EQ(analogViewRowCount(locateSections(document.tokens())), 2u);
}

TEST_F(RemoveDuplicatesTest, GroupsFoundAgainKeepTheChoicesMadeForThem) {
    TestList list = validList();
    list.transponders = {transponder("1", "1", "11778")};
    const auto channel = [](const std::string& name, const std::string& serviceId) {
        return withCell(digital("1", "1", "1", name), kChServiceId, serviceId);
    };
    list.channels = {channel("A", "A1"), channel("B", "A2"),      channel("A copy", "A1"),
                     channel("C", "A3"), channel("B copy", "A2"), channel("C copy", "A3")};
    TokenArray tokens = list.tokens();
    renumberChannels(tokens, locateSections(tokens));
    document.adopt(tokens);
    std::vector<DuplicateGroup> groups = find(Section::Digital);
    ASSERT_EQ(groups.size(), 3u);
    groups[1].chosen = false;                 // B and its copy stay,
    ASSERT_TRUE(chooseKeeper(groups[1], 1));  // the copy marked to keep
    ASSERT_TRUE(chooseKeeper(groups[2], 1));  // C goes, its copy keeps
    const auto choices = [](const std::vector<DuplicateGroup>& found) {
        std::vector<std::pair<bool, std::string>> out;
        for (const DuplicateGroup& group : found)
            out.emplace_back(group.chosen, group.rows[group.keeper].name);
        return out;
    };
    // Found again with nothing taken out: every group as it was chosen.
    std::vector<DuplicateGroup> again = find(Section::Digital);
    keepChoices(groups, false, again);
    EXPECT_EQ(choices(again), choices(groups));

    ASSERT_EQ(removeDuplicates(document, groups), 2u);
    again = find(Section::Digital);
    keepChoices(groups, true, again);
    using Choices = std::vector<std::pair<bool, std::string>>;
    EXPECT_EQ(choices(again), (Choices{{false, "B copy"}}));
    EXPECT_EQ(removeDuplicates(document, again), 0u);  // a second Remove keeps them
}

// Random lists with copies of transponders and channels put in: Remove leaves one row of each
// kind, keeps every channel on a transponder of the same tuning, and the list passes the check;
// Undo brings the list back.
TEST_F(RemoveDuplicatesTest, RemoveClearsEveryCopyOfRandomLists) {
    std::mt19937 random(20240611);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto number = [](int value) { return std::to_string(value); };
    const auto rowCount = [](const TokenArray& tokens) {
        std::size_t rows = 0;
        for (const Section section : kDuplicateSections) {
            rows += DuplicateKeys(tokens, locateSections(tokens), section).rows();
        }
        return rows;
    };
    // Every key of a section, with how often it occurs.
    const auto keyCounts = [](const TokenArray& tokens, Section section) {
        const DuplicateKeys keys(tokens, locateSections(tokens), section);
        std::map<std::array<std::int64_t, 8>, int> counts;
        for (std::size_t row = 0; row < keys.rows(); ++row) {
            if (const auto key = keys.exactKey(row)) ++counts[key->values];
        }
        return counts;
    };
    for (int round = 0; round < 30; ++round) {
        TestList list = validList();
        const int transponders = 1 + pick(12);
        for (int i = 1; i <= transponders; ++i) {
            Record tp = transponder(number(i), number(pick(4)), pick(2) ? "11778" : "3960");
            if (pick(2)) tp[kTpPolarisation] = "V";
            if (pick(4) == 0 && tp[kTpFrequency] == "3960") tp[kTpFrequency] = "03960";
            list.transponders.push_back(tp);
        }
        const auto tpOf = [&](int i) { return list.transponders[static_cast<std::size_t>(i)]; };
        for (int i = 0; i < 25; ++i) {
            const Record tp = tpOf(pick(transponders));
            Record ch = withCell(digital(number(i), tp[kTpIndex], tp[kTpSatIndex], "C" + number(i)),
                                 kChServiceId, number(1 + pick(6)));
            if (pick(8) == 0) ch[kChBlank] = "Y";
            list.channels.push_back(ch);
            if (pick(4) == 0)
                list.channels.push_back(list.channels[static_cast<std::size_t>(pick(i + 1))]);
            Record pid = pidChannel(number(i), tp[kTpIndex], tp[kTpSatIndex], "P");
            pid[kPidVideo] = number(pick(3));
            list.pids.push_back(pid);
            Record an = analog(number(i), number(pick(4)), "A" + number(i));
            an[kAnFrequency] = pick(2) ? "11000" : "3960";
            if (pick(3) == 0) an[kAnBlank] = "Y";
            list.analogs.push_back(an);
        }
        adopt(list);
        const TokenArray before = document.tokens();
        const std::size_t expected = duplicateRowCount(before);
        std::vector<DuplicateGroup> groups;
        for (const Section section : kDuplicateSections) {
            for (DuplicateGroup& group : find(section)) {
                chooseKeeper(group,
                             static_cast<std::size_t>(pick(static_cast<int>(group.rows.size()))));
                groups.push_back(std::move(group));
            }
        }

        const std::string step = "round " + number(round);
        ASSERT_EQ(removeDuplicates(document, groups), expected) << step;
        const TokenArray& after = document.tokens();
        EXPECT_EQ(duplicateRowCount(after), 0u) << step;
        EXPECT_EQ(rowCount(before) - rowCount(after), expected) << step;
        for (const Section section : kDuplicateSections) {
            const auto counts = keyCounts(after, section);
            std::map<std::array<std::int64_t, 8>, int> kinds;
            for (const auto& entry : keyCounts(before, section)) kinds[entry.first] = 1;
            EXPECT_EQ(counts, kinds) << step << " section " << duplicateSectionTitle(section);
        }
        EXPECT_EQ(checkFailure(after), "") << step;
        ASSERT_TRUE(document.undo());
        EXPECT_EQ(document.tokens(), before) << step;
    }
}

}  // namespace
}  // namespace sky::test
