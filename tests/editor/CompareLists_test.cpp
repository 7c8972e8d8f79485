// Compare: the kinds of difference of two small lists, with their counts and summary, and the
// pairing of rows over random lists and edits.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "db/RecordLayout.h"
#include "editor/ListFixture.h"
#include "editor/compare/ListComparison.h"
#include "editor/editing/Renumber.h"
#include "editor/model/RowValues.h"

namespace sky::test {
namespace {

Record withCell(Record record, std::size_t field, const std::string& text) {
    record[field] = text;
    return record;
}

TokenArray numbered(const TestList& list) {
    TokenArray tokens = list.tokens();
    renumberChannels(tokens, locateSections(tokens));
    return tokens;
}

// Each difference as "kind section numberA numberB name: cells".
std::vector<std::string> lines(const ListComparison& comparison) {
    std::vector<std::string> out;
    for (const SectionComparison& section : comparison.sections) {
        for (const RowDifference& d : section.differences) {
            std::string line = std::string(differenceKindName(d.kind)) + " " +
                               compareSectionTitle(section.section) + " " + d.numberA + "/" +
                               d.numberB + " " + d.name;
            for (const std::string& cell : d.cells) line += " [" + cell + "]";
            out.push_back(line);
        }
    }
    return out;
}

TEST(CompareLists, OnlyInEitherChangedAndMovedInEachSection) {
    TestList a = validList();
    a.transponders = {transponder("1", "1", "11778", "ARD"), transponder("2", "1", "12110")};
    a.channels = {digital("1", "1", "1", "One"), digital("2", "1", "1", "Two"),
                  digital("3", "2", "1", "Three")};
    a.pids = {pidChannel("4", "1", "1", "P")};
    a.analogs = {analog("1", "1", "A")};

    TestList b = a;
    b.satellites[2][kSatName] = "HOTBIRD";                          // paired by its Index
    b.transponders[0] = transponder("9", "1", "11778", "ARD new");  // the same one, renumbered
    b.pids[0][kPidTpIndex] = "9";
    b.channels = {withCell(digital("1", "9", "1", "Two"), kChServiceId, "00A2"),  // moved
                  withCell(digital("2", "9", "1", "One"), kChServiceId, "00A1"),  // moved, renamed
                  digital("3", "2", "1", "Four")};
    b.channels[1][kChName] = "One+";
    b.channels[2][kChServiceId] = "0BBB";  // Three goes, Four comes
    b.analogs[0][kAnFrequency] = "11003";  // 3 MHz off: by name, changed
    const ListComparison comparison = compareLists(numbered(a), numbered(b));

    const std::vector<std::string> expected = {
        "changed Digital Channel 1/2 One+ [Name]",
        "moved Digital Channel 1/2 One+",
        "only in A Digital Channel 3/ Three",
        "only in B Digital Channel /3 Four",
        "changed Analog Channel 1/1 A [Frequency]",
        "changed Digital TP 1/9 ARD new [Bouquet]",
        "moved Digital TP 1/9 ARD new",
        "changed Satellite 2/2 HOTBIRD [SAT Name]",
    };
    std::vector<std::string> got = lines(comparison);
    std::vector<std::string> sortedExpected = expected;
    std::sort(got.begin(), got.end());
    std::sort(sortedExpected.begin(), sortedExpected.end());
    EXPECT_EQ(got, sortedExpected);

    const SectionComparison& channels = comparison.section(CompareSection::Digital);
    EXPECT_EQ(channels.count(DifferenceKind::OnlyInA), 1u);
    EXPECT_EQ(channels.count(DifferenceKind::OnlyInB), 1u);
    EXPECT_EQ(channels.count(DifferenceKind::Changed), 1u);
    EXPECT_EQ(channels.count(DifferenceKind::Moved), 1u);  // of two swapped, one moved
    EXPECT_EQ(differenceSummary(comparison), "4 channels differ.");
    EXPECT_FALSE(comparison.equal());
    EXPECT_EQ(differenceSummary(compareLists(numbered(a), numbered(a))), "No channel differs.");
}

TEST(CompareLists, CellsAreComparedAsValuesAndTranspondersPairedExactFirst) {
    TestList a = validList();
    a.transponders = {transponder("1", "1", "11838"), transponder("2", "1", "11836")};
    a.channels = {withCell(digital("1", "2", "1", "One"), kChServiceId, "6FEE")};
    TestList b = a;
    b.transponders = {a.transponders[1]};
    b.channels[0][kChServiceId] = "6fee";
    // B's transponder is A's second one: the first is only in A, whichever list comes first.
    EXPECT_EQ(lines(compareLists(a.tokens(), b.tokens())),
              std::vector<std::string>{"only in A Digital TP 1/ BQ"});
    EXPECT_EQ(lines(compareLists(b.tokens(), a.tokens())),
              std::vector<std::string>{"only in B Digital TP /1 BQ"});
}

TEST(CompareLists, OnlyTheChannelsOutOfOrderAreMoved) {
    TestList a = validList();
    a.transponders = {transponder("1", "1", "11778")};
    for (int i = 1; i <= 12; ++i)
        a.channels.push_back(digital(std::to_string(i), "1", "1", "D" + std::to_string(i)));
    a.channels[5][kChBlank] = "Y";
    a.pids = {pidChannel("13", "1", "1", "P")};
    a.pids[0][kPidBlank] = "Y";
    TestList b = a;
    b.channels[1][kChName] = "Renamed";
    std::rotate(b.channels.begin() + 2, b.channels.begin() + 3, b.channels.begin() + 9);  // D3 down
    b.channels.erase(b.channels.begin() + 10);                                            // D11
    const ListComparison comparison = compareLists(numbered(a), numbered(b));
    EXPECT_EQ(differenceSummary(comparison), "3 channels differ.");
    EXPECT_EQ(comparison.section(CompareSection::Digital).count(DifferenceKind::Moved), 1u);
}

// A random list the check accepts, with what makes pairing hard: transponders a MHz or two
// apart, SVC IDs in either letter case, null channels, many analog channels on one frequency,
// and transponders of a blank satellite whose frequency or symbol rate is no number.
TestList randomList(std::mt19937& random) {
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    TestList list = validList();
    list.satellites[3][kSatBlank] = "Y";
    const int tpCount = 2 + pick(6);
    for (int i = 1; i <= tpCount; ++i) {
        Record tp = transponder(std::to_string(i), std::to_string(1 + pick(2)),
                                std::to_string(11836 + pick(4)));
        if (pick(2)) tp[kTpPolarisation] = "V";
        list.transponders.push_back(tp);
    }
    for (int i = 0; i < pick(3); ++i) {
        Record tp = transponder(std::to_string(tpCount + 1 + i), "3", "11836");
        tp[pick(2) ? kTpFrequency : kTpSymbolRate] = pick(2) ? "x" : "-";
        list.transponders.push_back(tp);
    }
    const auto channel = [&](int i) {
        Record record =
            digital("1", std::to_string(1 + pick(tpCount)), "1", "D" + std::to_string(i));
        record[kChServiceId] = std::string(pick(2) ? "0A" : "0a") + "B" + std::to_string(pick(4));
        if (pick(6) == 0) record[kChBlank] = "Y";
        return record;
    };
    for (int i = 0; i < 1 + pick(30); ++i) list.channels.push_back(channel(i));
    for (int i = 0; i < pick(5); ++i) {
        list.pids.push_back(
            pidChannel("1", std::to_string(1 + pick(tpCount)), "1", "P" + std::to_string(i)));
        if (pick(4) == 0) list.pids.back()[kPidBlank] = "Y";
    }
    for (int i = 0; i < pick(30); ++i) {
        list.analogs.push_back(analog("1", "1", "A" + std::to_string(i)));
        if (pick(3) == 0) list.analogs.back()[kAnFrequency] = "11002";
        if (pick(8) == 0) list.analogs.back()[kAnBlank] = "Y";
    }
    return list;
}

// Each difference as a line that names the rows by their places, A's first; with `swapped`, as
// the comparison of B with A would name it.
std::vector<std::string> placeLines(const ListComparison& comparison, bool swapped) {
    std::vector<std::string> out;
    for (const SectionComparison& section : comparison.sections) {
        for (const RowDifference& d : section.differences) {
            DifferenceKind kind = d.kind;
            std::size_t rowA = d.rowA;
            std::size_t rowB = d.rowB;
            if (swapped) {
                std::swap(rowA, rowB);
                if (kind == DifferenceKind::OnlyInA || kind == DifferenceKind::OnlyInB) {
                    kind = kind == DifferenceKind::OnlyInA ? DifferenceKind::OnlyInB
                                                           : DifferenceKind::OnlyInA;
                }
            }
            if (kind == DifferenceKind::OnlyInA) rowB = 0;
            if (kind == DifferenceKind::OnlyInB) rowA = 0;
            std::string line = std::string(differenceKindName(kind)) + " " +
                               compareSectionTitle(section.section) + " " + std::to_string(rowA) +
                               "/" + std::to_string(rowB);
            for (const std::string& cell : d.cells) line += " [" + cell + "]";
            out.push_back(line);
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

TEST(CompareListsProperty, SelfEqualMirroredOneDeleteOneDifferenceSortNoChange) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        const TestList list = randomList(random);
        const TokenArray a = numbered(list);
        ASSERT_EQ(checkFailure(a), "");
        EXPECT_TRUE(compareLists(a, a).equal());

        // Against another random list, and against one Delete: the comparison mirrors.
        const TokenArray other = numbered(randomList(random));
        EXPECT_EQ(placeLines(compareLists(a, other), false),
                  placeLines(compareLists(other, a), true));

        const std::size_t section = random() % 3;
        std::vector<Record> TestList::*const rowsOf =
            std::array{&TestList::channels, &TestList::pids, &TestList::analogs}[section];
        const std::size_t rows = (list.*rowsOf).size();
        if (rows == 0) continue;
        TestList deleted = list;
        (deleted.*rowsOf).erase((deleted.*rowsOf).begin() + static_cast<long>(random() % rows));
        const ListComparison deletion = compareLists(a, numbered(deleted));
        EXPECT_EQ(deletion.channelsDiffering(), 1u) << ::testing::PrintToString(lines(deletion));
        EXPECT_EQ(placeLines(deletion, false),
                  placeLines(compareLists(numbered(deleted), a), true));

        // Sorted by name: rows move, none changes.
        const std::size_t name = channelNameField(
            std::array{RecordKind::Digital, RecordKind::Pid, RecordKind::Analog}[section]);
        TestList sorted = list;
        std::stable_sort((sorted.*rowsOf).begin(), (sorted.*rowsOf).end(),
                         [&](const Record& x, const Record& y) { return x[name] < y[name]; });
        for (const SectionComparison& s : compareLists(a, numbered(sorted)).sections) {
            EXPECT_EQ(s.count(DifferenceKind::Moved), s.differences.size())
                << compareSectionTitle(s.section);
        }
    }
}

}  // namespace
}  // namespace sky::test
