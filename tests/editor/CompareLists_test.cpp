// Compare: the kinds of difference of two small lists, with their counts and summary.

#include <gtest/gtest.h>

#include "db/RecordLayout.h"
#include "editor/ListFixture.h"
#include "editor/compare/ListComparison.h"
#include "editor/editing/Renumber.h"

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
        "moved Digital Channel 2/1 Two",
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
    EXPECT_EQ(channels.count(DifferenceKind::Moved), 2u);
    EXPECT_EQ(differenceSummary(comparison), "5 channels differ.");
    EXPECT_FALSE(comparison.equal());
    EXPECT_EQ(differenceSummary(compareLists(numbered(a), numbered(a))), "No channel differs.");
}

}  // namespace
}  // namespace sky::test
