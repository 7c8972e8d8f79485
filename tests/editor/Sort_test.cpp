#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "editor/model/DetailRows.h"
#include "editor/model/FieldText.h"
#include "editor/model/SectionMap.h"
#include "editor/sort/ChannelSorter.h"
#include "editor/sort/SortOrder.h"

namespace sky {
namespace {

// ---- A plain exchange sort, the reference for the order of equal keys ----

// Swaps record j to position i whenever it must come before the record now at i.
template <typename Records, typename Before>
void plainExchangeSort(Records& records, Before before) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        for (std::size_t j = i + 1; j < records.size(); ++j) {
            if (before(records[j], records[i])) std::swap(records[i], records[j]);
        }
    }
}

TEST(ExchangeSortOrder, EqualsThePlainExchangeSortOnRandomLists) {
    std::mt19937 rng(20240607);
    for (int round = 0; round < 20000; ++round) {
        const int size = static_cast<int>(rng() % (round < 15000 ? 24 : 400));
        const int rankCount = 1 + static_cast<int>(rng() % (round % 3 == 0 ? 3 : 12));
        std::vector<int> ranks(static_cast<std::size_t>(size));
        for (int& rank : ranks) rank = static_cast<int>(rng() % rankCount);
        // Dense ranks, as the sort gives them.
        std::vector<int> used(ranks);
        std::sort(used.begin(), used.end());
        used.erase(std::unique(used.begin(), used.end()), used.end());
        for (int& rank : ranks) {
            rank =
                static_cast<int>(std::lower_bound(used.begin(), used.end(), rank) - used.begin());
        }

        std::vector<std::size_t> expected(ranks.size());
        std::iota(expected.begin(), expected.end(), 0);
        plainExchangeSort(expected,
                          [&](std::size_t a, std::size_t b) { return ranks[a] < ranks[b]; });
        ASSERT_EQ(exchangeSortOrder(ranks), expected) << "round " << round;
    }
}

// ---- Channel lists ----

TokenArray section(const char* start, const char* end,
                   const std::vector<std::vector<std::string>>& rows) {
    TokenArray cells{start};
    for (const auto& row : rows) cells.insert(cells.end(), row.begin(), row.end());
    cells.push_back(end);
    return cells;
}

struct ChannelList {
    std::vector<std::vector<std::string>> satellites;
    std::vector<std::vector<std::string>> transponders;
    std::vector<std::vector<std::string>> digital;
    std::vector<std::vector<std::string>> pid;
    std::vector<std::vector<std::string>> analog;

    TokenArray tokens() const {
        TokenArray all{"SAT_NAME START", "1", "A", "SAT_NAME END"};
        for (const TokenArray& part : {section("SATELLITE START", "SATELLITE END", satellites),
                                       section("DIGITAL START", "DIGITAL END", transponders),
                                       section("CHANNEL START", "CHANNEL END", digital),
                                       section("CHANNEL_PID START", "CHANNEL_PID END", pid),
                                       section("ANALOG START", "ANALOG END", analog)}) {
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    }
};

std::vector<std::string> digitalChannel(std::string index, std::string tp, std::string sat,
                                        std::string type, std::string name) {
    return {index, tp, sat, "1A", type, name, "1", "N"};
}

std::vector<std::string> pidChannel(std::string index, std::string tp, std::string sat,
                                    std::string type, std::string name) {
    return {index, tp, sat, type, name, "512", "650", "8190", "1", "N"};
}

std::vector<std::string> analogChannel(std::string index, std::string sat, std::string frequency,
                                       std::string type, std::string name) {
    return {index,  sat,      frequency, "C",    name,  "27MHz", "H",   "1",  "5",
            "CVBS", "STEREO", "6.50",    "6.50", "130", "Y",     "U50", type, "N"};
}

// The names of a section's records, in order.
std::vector<std::string> names(const TokenArray& tokens, SectionState state, int width,
                               int nameCell) {
    const SectionSpan span = locateSections(tokens)[state];
    std::vector<std::string> result;
    for (std::size_t cell = span.begin; cell + width <= span.end; cell += width) {
        result.push_back(tokens[cell + nameCell]);
    }
    return result;
}

std::vector<std::string> digitalNames(const TokenArray& tokens) {
    return names(tokens, kChannelSection, 8, 5);
}
std::vector<std::string> pidNames(const TokenArray& tokens) {
    return names(tokens, kChannelPidSection, 10, 4);
}
std::vector<std::string> analogNames(const TokenArray& tokens) {
    return names(tokens, kAnalogTpSection, 18, 4);
}
std::vector<std::string> indexes(const TokenArray& tokens, SectionState state, int width) {
    return names(tokens, state, width, 0);
}

using Names = std::vector<std::string>;

// ---- The sort as described, step by step, to compare with ----

struct Keys {
    long long satellite;
    std::string type;
    long long frequency;
    std::string bouquet;
    std::string name;
};

bool before(const Keys& a, const Keys& b, bool descendingNames) {
    if (a.satellite != b.satellite) return a.satellite < b.satellite;
    if (a.type != b.type) return a.type > b.type;
    if (a.frequency != b.frequency) return a.frequency < b.frequency;
    if (a.bouquet != b.bouquet) return a.bouquet < b.bouquet;
    return descendingNames ? a.name > b.name : a.name < b.name;
}

// Exchange-sorts the records of one section in place, swapping them cell by cell.
void referenceSortSection(TokenArray& tokens, SectionState state, int width, SortMode mode,
                          bool descendingNames, int satCell, int typeCell, int nameCell,
                          int frequencyCell) {
    const SectionSpan span = locateSections(tokens)[state];
    const auto keys = [&](std::size_t record) {
        const std::string* cells = &tokens[span.begin + record * width];
        return Keys{mode == SortMode::NameOnly ? 0 : decimalValue(cells[satCell]),
                    trimmedUpper(cells[typeCell]),
                    frequencyCell >= 0 ? decimalValue(cells[frequencyCell]) : 0, "",
                    trimmedUpper(cells[nameCell])};
    };
    const std::size_t count = span.records(width);
    for (std::size_t i = 0; i < count; ++i) {
        for (std::size_t j = i + 1; j < count; ++j) {
            if (before(keys(j), keys(i), descendingNames)) {
                for (int c = 0; c < width; ++c) {
                    std::swap(tokens[span.begin + i * width + c],
                              tokens[span.begin + j * width + c]);
                }
            }
        }
    }
}

// Modes 2 and 3: the rows of the Digital Channel view are exchange-sorted, then the sections are
// written back from them.
void referenceSortByTransponder(TokenArray& tokens, SortMode mode) {
    const SectionMap sections = locateSections(tokens);
    DetailRows digital(kDigitalDetailWidth);
    DetailRows analog(kAnalogDetailWidth);
    rebuildDetailRows(tokens, sections, digital, analog);
    using Row = std::vector<std::string>;
    std::vector<Row> channelRows;
    std::vector<Row> pidRows;
    const std::size_t channels = sections[kChannelSection].records(8);
    for (std::size_t r = 0; r < digital.rowCount(); ++r) {
        Row row(digital.row(r), digital.row(r) + kDigitalDetailWidth);
        (r < channels ? channelRows : pidRows).push_back(row);
    }
    const auto rowBefore = [&](const Row& a, const Row& b) {
        const auto keys = [&](const Row& row) {
            return Keys{decimalValue(row[kDigSatIndex]), trimmedUpper(row[kDigType]),
                        mode == SortMode::Frequency ? decimalValue(row[kDigFrequency]) : 0,
                        mode == SortMode::Bouquet ? trimmedUpper(row[kDigBouquet]) : "",
                        trimmedUpper(row[kDigName])};
        };
        return before(keys(a), keys(b), false);
    };
    plainExchangeSort(channelRows, rowBefore);
    plainExchangeSort(pidRows, rowBefore);
    std::size_t cell = sections[kChannelSection].begin;
    for (const Row& row : channelRows) {
        for (const int c : {0, 1, 2, 3, 4, 5, 9, 10}) tokens[cell++] = row[c];
    }
    cell = sections[kChannelPidSection].begin;
    for (const Row& row : pidRows) {
        for (const int c : {0, 1, 2, 4, 5, 6, 7, 8, 9, 10}) tokens[cell++] = row[c];
    }
}

void referenceSort(TokenArray& tokens, SortMode mode, const SortFlags& flags) {
    const TokenArray original = tokens;
    const bool descending = !flags.ascendingNames;
    const bool byTransponder = mode == SortMode::Frequency || mode == SortMode::Bouquet;
    if (byTransponder) {
        referenceSortByTransponder(tokens, mode);
    } else {
        referenceSortSection(tokens, kChannelSection, 8, mode, descending, 2, 4, 5, -1);
        referenceSortSection(tokens, kChannelPidSection, 10, mode, descending, 2, 3, 4, -1);
    }
    referenceSortSection(tokens, kAnalogTpSection, 18, mode, descending, 1, 16, 4,
                         byTransponder ? 2 : -1);
    if (flags.renumberAfterSort) {
        // A group the sort left as it was keeps its numbers.
        const SectionMap sections = locateSections(tokens);
        const auto sortChanged = [&](SectionState state) {
            const SectionSpan& span = sections[state];
            return !std::equal(tokens.begin() + static_cast<std::ptrdiff_t>(span.begin),
                               tokens.begin() + static_cast<std::ptrdiff_t>(span.end),
                               original.begin() + static_cast<std::ptrdiff_t>(span.begin));
        };
        const bool digitalChanged = sortChanged(kChannelSection) || sortChanged(kChannelPidSection);
        int number = 1;
        for (const auto& [state, width] :
             {std::pair{kChannelSection, 8}, {kChannelPidSection, 10}, {kAnalogTpSection, 18}}) {
            if (state == kAnalogTpSection) number = 1;
            if (!(state == kAnalogTpSection ? sortChanged(state) : digitalChanged)) continue;
            const SectionSpan& span = sections[state];
            for (std::size_t cell = span.begin; cell + width <= span.end; cell += width) {
                tokens[cell] = std::to_string(number++);
            }
        }
    }
}

// A random list whose keys repeat often, in spellings that compare equal.
ChannelList randomList(std::mt19937& rng, int channels) {
    const auto pick = [&](std::initializer_list<const char*> options) {
        return std::string(*(options.begin() + rng() % options.size()));
    };
    const auto pickNumber = [&](int below) { return std::to_string(rng() % below); };
    ChannelList list;
    list.satellites = {{"1", "ONE", "N", "10600", "9750", "1", "0192"},
                       {"2", "TWO", "N", "10600", "9750", "2", "-0050"}};
    for (int tp = 1; tp <= 12; ++tp) {
        list.transponders.push_back({std::to_string(tp), pick({"1", "2"}),
                                     pick({"11778", "11779", "10700", "12100"}), "27500",
                                     pick({"H", "V"}), pick({"BBC", " bbc", "SKY", "___", "-"})});
    }
    const auto sat = [&] { return pick({"1", "2", "9", "10", "01", " 2"}); };
    const auto tp = [&] { return pick({"0", "00", "3", "5", "7", "12", "99", "1"}); };
    const auto type = [&] { return pick({"TV", "RADIO", "tv", " Radio "}); };
    const auto name = [&] {
        return pick({"Alpha", "alpha", "BETA", " beta", "Zed", "_", "", "\xC4x"});
    };
    for (int i = 0; i < channels; ++i) {
        list.digital.push_back(digitalChannel(pickNumber(50), tp(), sat(), type(), name()));
        list.pid.push_back(pidChannel(pickNumber(50), tp(), sat(), type(), name()));
        list.analog.push_back(analogChannel(
            pickNumber(50), sat(), pick({"1100", "1200", "980", "01200"}), type(), name()));
    }
    return list;
}

TEST(SortChannels, EveryModeAndFlagGivesTheExchangeSortsOrder) {
    std::mt19937 rng(77);
    for (int round = 0; round < 60; ++round) {
        const TokenArray original = randomList(rng, 1 + round).tokens();
        for (const SortMode mode :
             {SortMode::ChannelName, SortMode::Frequency, SortMode::Bouquet, SortMode::NameOnly}) {
            for (const SortFlags flags : {SortFlags{true, true}, SortFlags{false, true},
                                          SortFlags{true, false}, SortFlags{false, false}}) {
                TokenArray expected = original;
                referenceSort(expected, mode, flags);
                TokenArray sorted = original;
                sortChannels(sorted, mode, flags);
                ASSERT_EQ(sorted, expected)
                    << "round " << round << " mode " << static_cast<int>(mode) << " ascending "
                    << flags.ascendingNames << " renumber " << flags.renumberAfterSort;
            }
        }
    }
}

TEST(SortChannels, ByNameOrdersSatellitesAsNumbersAndTvBeforeRadio) {
    ChannelList list;
    list.digital = {digitalChannel("1", "0", "10", "TV", "Kilo"),
                    digitalChannel("2", "0", "9", "RADIO", "Bravo"),
                    digitalChannel("3", "0", "9", "TV", "zulu"),
                    digitalChannel("4", "0", "9", "TV", "Alpha"),
                    digitalChannel("5", "0", "1", "RADIO", "Mike")};
    TokenArray tokens = list.tokens();
    sortChannels(tokens, SortMode::ChannelName, {});
    EXPECT_EQ(digitalNames(tokens), (Names{"Mike", "Alpha", "zulu", "Bravo", "Kilo"}));
    EXPECT_EQ(indexes(tokens, kChannelSection, 8), (Names{"1", "2", "3", "4", "5"}));

    sortChannels(tokens, SortMode::ChannelName, {.ascendingNames = false});
    EXPECT_EQ(digitalNames(tokens), (Names{"Mike", "zulu", "Alpha", "Bravo", "Kilo"}));

    // Without satellites: TV first, then names.
    sortChannels(tokens, SortMode::NameOnly, {});
    EXPECT_EQ(digitalNames(tokens), (Names{"Alpha", "Kilo", "zulu", "Bravo", "Mike"}));
}

TEST(SortChannels, EqualKeysTakeTheExchangeSortsUnstableOrder) {
    // Names differing only in case are equal keys. The exchange sort carries "Bee" past "bee"
    // while it brings the smaller names forward: a stable sort would keep "Bee" first.
    ChannelList list;
    list.analog = {
        analogChannel("1", "1", "1100", "TV", "Bee"), analogChannel("2", "1", "1100", "TV", "aaa"),
        analogChannel("3", "1", "1100", "TV", "bee"), analogChannel("4", "1", "1100", "TV", "AAA")};
    TokenArray tokens = list.tokens();
    sortChannels(tokens, SortMode::ChannelName, {});
    EXPECT_EQ(analogNames(tokens), (Names{"aaa", "AAA", "bee", "Bee"}));
}

TEST(SortChannels, RenumberFlagOffKeepsEveryIndex) {
    ChannelList list;
    list.digital = {digitalChannel("7", "0", "1", "TV", "B"),
                    digitalChannel("3", "0", "1", "TV", "A")};
    list.pid = {pidChannel("40", "0", "1", "TV", "D"), pidChannel("41", "0", "1", "TV", "C")};
    list.analog = {analogChannel("9", "1", "1100", "TV", "F"),
                   analogChannel("8", "1", "1100", "TV", "E")};
    TokenArray kept = list.tokens();
    sortChannels(kept, SortMode::ChannelName, {.renumberAfterSort = false});
    EXPECT_EQ(indexes(kept, kChannelSection, 8), (Names{"3", "7"}));
    EXPECT_EQ(indexes(kept, kChannelPidSection, 10), (Names{"41", "40"}));
    EXPECT_EQ(indexes(kept, kAnalogTpSection, 18), (Names{"8", "9"}));

    TokenArray renumbered = list.tokens();
    sortChannels(renumbered, SortMode::ChannelName, {});
    EXPECT_EQ(indexes(renumbered, kChannelPidSection, 10), (Names{"3", "4"}));
    EXPECT_EQ(indexes(renumbered, kAnalogTpSection, 18), (Names{"1", "2"}));
}

// Only a group in which a channel moved is renumbered: one already in order keeps its numbers,
// whatever they start at.
TEST(SortChannels, RenumbersOnlyTheGroupsItReorders) {
    ChannelList list;
    list.digital = {digitalChannel("5", "0", "1", "TV", "A"),
                    digitalChannel("6", "0", "1", "TV", "B")};
    list.pid = {pidChannel("40", "0", "1", "TV", "D"), pidChannel("41", "0", "1", "TV", "C")};
    list.analog = {analogChannel("0", "1", "1100", "TV", "E"),
                   analogChannel("1", "1", "1100", "TV", "F")};
    TokenArray tokens = list.tokens();
    sortChannels(tokens, SortMode::ChannelName, {});
    EXPECT_EQ(indexes(tokens, kChannelSection, 8), (Names{"1", "2"}));
    EXPECT_EQ(indexes(tokens, kChannelPidSection, 10), (Names{"3", "4"}));
    EXPECT_EQ(indexes(tokens, kAnalogTpSection, 18), (Names{"0", "1"}));
}

TEST(SortChannels, FrequencyAndBouquetComeFromTheTransponder) {
    ChannelList list;
    list.satellites = {{"1", "ONE", "N", "10600", "9750", "1", "0192"}};
    list.transponders = {{"1", "1", "12100", "27500", "H", "Alpha"},
                         {"2", "1", "10700", "27500", "V", "Zulu"}};
    list.digital = {digitalChannel("1", "1", "1", "TV", "A"),
                    digitalChannel("2", "2", "1", "TV", "B"),
                    digitalChannel("3", "0", "1", "TV", "C")};
    list.pid = {pidChannel("4", "1", "1", "TV", "D"), pidChannel("5", "2", "1", "TV", "E")};
    list.analog = {analogChannel("1", "1", "1200", "TV", "X"),
                   analogChannel("2", "1", "980", "TV", "Y")};
    const TokenArray original = list.tokens();

    // A channel on transponder 0 shows frequency "0000" and bouquet "___".
    TokenArray tokens = original;
    sortChannels(tokens, SortMode::Frequency, {});
    EXPECT_EQ(digitalNames(tokens), (Names{"C", "B", "A"}));
    EXPECT_EQ(pidNames(tokens), (Names{"E", "D"}));
    EXPECT_EQ(analogNames(tokens), (Names{"Y", "X"}));

    tokens = original;
    sortChannels(tokens, SortMode::Bouquet, {});
    EXPECT_EQ(digitalNames(tokens), (Names{"A", "B", "C"}));
    EXPECT_EQ(pidNames(tokens), (Names{"D", "E"}));
    // Analog channels have no bouquet: their frequency takes its place.
    EXPECT_EQ(analogNames(tokens), (Names{"Y", "X"}));
}

TEST(SortChannels, DescendingNamesApplyToDigitalChannelsOnlyInNameModes) {
    ChannelList list;
    list.transponders = {{"1", "1", "12100", "27500", "H", "Same"}};
    list.digital = {digitalChannel("1", "1", "1", "TV", "A"),
                    digitalChannel("2", "1", "1", "TV", "B")};
    list.analog = {analogChannel("1", "1", "1200", "TV", "A"),
                   analogChannel("2", "1", "1200", "TV", "B")};
    TokenArray tokens = list.tokens();
    sortChannels(tokens, SortMode::Bouquet, {.ascendingNames = false});
    EXPECT_EQ(digitalNames(tokens), (Names{"A", "B"}));
    EXPECT_EQ(analogNames(tokens), (Names{"B", "A"}));
}

TEST(ChannelSorter, BlockArrangementFillsRunsToHundredsAndReverts) {
    ChannelList list;
    list.digital = {
        digitalChannel("1", "3", "1", "RADIO", "R1"), digitalChannel("2", "3", "1", "TV", "T2"),
        digitalChannel("3", "4", "2", "TV", "S1"), digitalChannel("4", "3", "1", "TV", "T1"),
        digitalChannel("5", "3", "1", "TV", "~tilde")};
    list.pid = {pidChannel("6", "0", "1", "TV", "P")};
    const TokenArray original = list.tokens();

    ChannelSorter sorter;
    TokenArray sortedBefore = original;
    sorter.sort(sortedBefore, SortMode::Bouquet);
    EXPECT_FALSE(sorter.canRevertBlocks());
    TokenArray tokens = original;
    sorter.arrangeBlocks(tokens);
    EXPECT_EQ(sorter.mode(), SortMode::Bouquet);

    const Names arranged = digitalNames(tokens);
    ASSERT_EQ(arranged.size(), 300u);
    // Satellite 1 TV: three channels, the nulls after the named ones ("~" sorts after "_").
    EXPECT_EQ((Names{arranged.begin(), arranged.begin() + 3}), (Names{"T1", "T2", "_"}));
    EXPECT_EQ(arranged[98], "_");
    EXPECT_EQ(arranged[99], "~tilde");
    EXPECT_EQ(arranged[100], "R1");
    EXPECT_EQ(arranged[200], "S1");
    const SectionSpan channels = locateSections(tokens)[kChannelSection];
    const std::string* null = &tokens[channels.begin + 101 * 8];
    EXPECT_EQ((Names{null, null + 8}), (Names{"102", "3", "1", "0000", "RADIO", "_", "1", "Y"}));
    EXPECT_EQ(indexes(tokens, kChannelPidSection, 10), Names{"301"});
    EXPECT_EQ(pidNames(tokens), Names{"P"});

    ASSERT_TRUE(sorter.canRevertBlocks());
    EXPECT_TRUE(sorter.revertBlocks(tokens));
    EXPECT_EQ(tokens, original);
    EXPECT_FALSE(sorter.canRevertBlocks());
    EXPECT_FALSE(sorter.revertBlocks(tokens));

    // A run that already fills its blocks still gets a block of nulls.
    ChannelList full;
    for (int i = 0; i < 100; ++i) full.digital.push_back(digitalChannel("1", "3", "1", "TV", "N"));
    tokens = full.tokens();
    sorter.arrangeBlocks(tokens);
    EXPECT_EQ(digitalNames(tokens).size(), 200u);
    sorter.discardRevertCopy();
    EXPECT_FALSE(sorter.canRevertBlocks());
}

}  // namespace
}  // namespace sky
