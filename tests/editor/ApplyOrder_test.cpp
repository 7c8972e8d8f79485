// Apply Order from List: the matching of two lists' channels, the reference formats, Apply as an
// edit of the document, and random reorderings of a list given back as its reference.

#include "editor/order/ApplyOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "db/RecordLayout.h"
#include "editor/ListFixture.h"
#include "editor/compare/ListComparison.h"
#include "editor/document/ListDocument.h"
#include "editor/editing/Renumber.h"
#include "editor/match/RowMatching.h"
#include "editor/model/RowValues.h"
#include "support/RecordingUi.h"

namespace sky::test {
namespace {

Record withCell(Record record, std::size_t field, const std::string& text) {
    record[field] = text;
    return record;
}

Record channel(const std::string& tp, const std::string& sat, const std::string& serviceId,
               const std::string& name, bool null = false) {
    Record record = withCell(digital("1", tp, sat, name), kChServiceId, serviceId);
    return null ? withCell(record, kChBlank, "Y") : record;
}

Record nullChannel() {
    return channel("1", "1", "0000", "_", true);
}

// Satellites 1 and 3 share a name; satellite 2 has another.
TestList namedSatellites() {
    TestList list = validList();
    list.satellites = {satellite("0", "S0"), satellite("1", "ASTRA"), satellite("2", "HOTBIRD"),
                       satellite("3", "ASTRA")};
    return list;
}

std::vector<std::string> names(const TokenArray& tokens, bool digitalView = true) {
    const SectionMap sections = locateSections(tokens);
    std::vector<std::string> out;
    for (std::size_t row = 0;; ++row) {
        const std::optional<RecordRef> record = recordOfRow(sections, digitalView, row);
        if (!record) return out;
        out.push_back(tokens[record->cell + channelNameField(record->kind)]);
    }
}

TEST(MatchRows, ByIdentityThenByNameEachRowOnce) {
    TestList reference = namedSatellites();
    reference.transponders = {transponder("1", "1", "11778"),
                              withCell(transponder("2", "1", "12110"), kTpPolarisation, "V")};
    TestList list = namedSatellites();
    list.transponders = {transponder("5", "3", "11780"),  // 2 MHz off, satellite of that name
                         withCell(transponder("6", "1", "12113"), kTpPolarisation, "V"),
                         transponder("7", "2", "11778"),  // another satellite's name
                         withCell(transponder("8", "1", "11778"), kTpPolarisation, "V")};
    struct Case {
        const char* what;
        Record referenceRow;
        Record listRow;
        MatchedBy expected;
    };
    const Case cases[] = {
        {"a row on a satellite of another name comes second", channel("1", "1", "00A0", "X"),
         channel("7", "2", "0010", "One"), MatchedBy::Nothing},
        {"identity within 2 MHz, the same satellite name first", channel("1", "1", "0010", "One"),
         channel("5", "3", "0010", "Other"), MatchedBy::Identity},
        {"3 MHz off: by name, regardless of case", channel("2", "1", "0020", "Two"),
         channel("6", "1", "0020", "two"), MatchedBy::Name},
        {"other polarization, spaces in the name as shown", channel("1", "1", "0030", "Three"),
         channel("8", "1", "0030", "Three "), MatchedBy::Nothing},
        {"a null channel of the reference matches nothing", channel("1", "1", "0040", "Four", true),
         channel("5", "1", "0040", "Four"), MatchedBy::Nothing},
        {"nor one of the list", channel("2", "1", "0050", "Five"),
         channel("6", "1", "0050", "Five", true), MatchedBy::Nothing},
        {"one list row for two reference rows: the first takes it",
         channel("1", "1", "0060", "Six"), channel("5", "1", "0060", "Six"), MatchedBy::Identity},
        {"the second finds none", channel("1", "1", "0060", "Six"),
         channel("5", "1", "0070", "Seven"), MatchedBy::Nothing},
    };
    for (const Case& c : cases) {
        reference.channels.push_back(c.referenceRow);
        list.channels.push_back(c.listRow);
    }
    reference.pids = {pidChannel("9", "1", "1", "P")};
    list.pids = {pidChannel("9", "5", "1", "Q")};
    reference.analogs = {analog("1", "1", "A")};
    list.analogs = {withCell(analog("1", "1", "B"), kAnFrequency, "11002")};

    const auto match = [](const TestList& a, const TestList& b, bool digitalView) {
        return matchRows(channelMatchRows(a.tokens(), digitalView),
                         channelMatchRows(b.tokens(), digitalView));
    };
    const RowMatching digitalMatch = match(reference, list, true);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].what);
        EXPECT_EQ(digitalMatch.matchedBy[i], cases[i].expected);
        if (cases[i].expected != MatchedBy::Nothing) {
            EXPECT_EQ(digitalMatch.listRowOf[i], i);
        }
    }
    EXPECT_EQ(digitalMatch.listRowOf[std::size(cases)], std::size(cases));  // the PID channel
    EXPECT_EQ(match(reference, list, false).matchedBy[0], MatchedBy::Identity);
}

TEST(OrderReference, NumberedLinesInEitherSeparatorAndEncoding) {
    RecordingUi ui;
    const RuntimeSettings settings;
    const auto rows = [&](std::string_view text) {
        std::vector<std::string> out;
        const std::optional<OrderReference> reference =
            readOrderReference(text, "ref.csv", true, settings, ui);
        if (!reference) return out;
        EXPECT_FALSE(reference->analog);
        for (const MatchRow& row : *reference->digital)
            out.push_back(row.isNull ? "<null>" : row.name);
        return out;
    };
    using Names = std::vector<std::string>;
    EXPECT_EQ(rows("2;B b\r\n1;A\r\n3;\r\n"), (Names{"A", "B b", "<null>"}));
    EXPECT_EQ(rows("\xEF\xBB\xBFNumber,Name\n# a comment\n\n 2 , \"C, D\"\n1,A\n1,A2\n"),
              (Names{"A", "A2", "C, D"}));
    EXPECT_EQ(rows("1;M\xFCnchen\n2;M\xC3\xBCnchen\n"),
              (Names{"M\xC3\xBCnchen", "M\xC3\xBCnchen"}));
    EXPECT_EQ(rows("1;\"x\"y\"\n2;a \"b\"\n"), (Names{"x\"y", "a \"b\""}));

    // Save as Reference writes every name so that it reads back as it was.
    const Names saved{" ZDF", "ZDF ", "\tTab", "A;B", "C, D", "\"Q\"", "\"R", "a \"b\"", "E"};
    TestList named = validList();
    named.transponders = {transponder("1", "1", "11778")};
    for (const std::string& name : saved) named.channels.push_back(digital("1", "1", "1", name));
    named.channels.push_back(nullChannel());
    Names expected = saved;
    expected.push_back("<null>");
    EXPECT_EQ(rows(referenceText(named.tokens(), true)), expected);
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(rows("Number;Name\n1;A\n\nB without a number\n"), Names{});
    EXPECT_EQ(ui.messages, std::vector<std::string>{malformedReferenceLine("ref.csv", 4)});
    EXPECT_NE(ui.messages[0].find("ref.csv, line 4"), std::string::npos);
    EXPECT_EQ(rows("1 A\n"), Names{});
    EXPECT_EQ(rows("# nothing\n\n"), Names{});
    EXPECT_EQ(ui.messages.size(), 3u);

    // A channel list orders both views; one that does not open is refused.
    TestList list = validList();
    list.transponders = {transponder("1", "1", "11778")};
    list.channels = {digital("1", "1", "1", "D")};
    list.analogs = {analog("1", "1", "A")};
    const std::optional<OrderReference> reference =
        readOrderReference(channelListText(list.tokens()), "ref.txt", true, settings, ui);
    ASSERT_TRUE(reference && reference->digital && reference->analog);
    EXPECT_EQ(reference->analog->at(0).name, "A");
    EXPECT_FALSE(readOrderReference("[DIGITAL CHANNEL]\n1 2\n", "bad.txt", true, settings, ui));
    EXPECT_NE(ui.messages.back().find("bad.txt"), std::string::npos);
}

class ApplyOrderTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestList list = validList();
        list.transponders = {transponder("1", "1", "11778"), transponder("2", "1", "12110")};
        for (int i = 1; i <= 5; ++i) {
            list.channels.push_back(channel(std::to_string(1 + i % 2), "1",
                                            "00B" + std::to_string(i), "D" + std::to_string(i)));
        }
        list.channels.push_back(nullChannel());
        list.pids = {pidChannel("7", "1", "1", "P")};
        list.analogs = {analog("1", "1", "A1"), analog("2", "1", "A2")};
        document.adopt(list.tokens());
        before = channelListText(document.tokens());

        // D4, D2, a null place, D1 (renamed: matched by identity), a channel the list lacks.
        TestList ref = validList();
        ref.transponders = list.transponders;
        ref.channels = {list.channels[3], list.channels[1], nullChannel(),
                        withCell(list.channels[0], kChName, "D1 new"),
                        channel("1", "1", "0FFF", "Missing")};
        TokenArray refTokens = ref.tokens();
        renumberChannels(refTokens, locateSections(refTokens));
        reference = *readOrderReference(channelListText(refTokens), "ref.txt", true, settings, ui);
    }

    std::vector<std::string> applied(const OrderOptions& options) {
        const std::optional<OrderPlan> plan = applyOrder(document, reference, options);
        EXPECT_TRUE(plan);
        EXPECT_EQ(checkFailure(document.tokens()), "");
        EXPECT_EQ(document.undoHistory().menuItem().text, "Undo (1 - Apply Order)");
        std::vector<std::string> result = names(document.tokens());
        EXPECT_TRUE(document.undo());
        EXPECT_EQ(channelListText(document.tokens()), before);
        return result;
    }

    RecordingUi ui;
    RuntimeSettings settings;
    ListDocument document{ui, settings};
    std::string before;
    OrderReference reference;
};

TEST_F(ApplyOrderTest, PreviewCountsAndTheThreeOptions) {
    const OrderPlan plan = planOrder(document.tokens(), reference, {});
    EXPECT_EQ(plan.digital.byIdentity, 3u);
    EXPECT_EQ(plan.digital.byName, 0u);
    EXPECT_EQ(plan.digital.nullPlaces, 1u);
    EXPECT_EQ(plan.digital.newNulls, 0u);  // the list's own null channel takes the place
    ASSERT_EQ(plan.digital.notFound.size(), 1u);
    EXPECT_EQ(plan.digital.notFound[0].name, "Missing");
    ASSERT_EQ(plan.digital.unmatched.size(), 3u);
    EXPECT_EQ(plan.digital.unmatched[0].name, "D3");
    EXPECT_EQ(plan.digital.unmatched[2].name, "P");
    EXPECT_FALSE(plan.analog.ordered);  // the reference has no analog channel

    using Names = std::vector<std::string>;
    EXPECT_EQ(applied({}), (Names{"D4", "D2", "_", "D1", "D3", "D5", "P"}));
    EXPECT_EQ(applied({UnmatchedRows::Remove, true, 1}), (Names{"D4", "D2", "_", "D1"}));
    EXPECT_EQ(applied({UnmatchedRows::Keep, false, 1}),
              (Names{"D4", "D2", "D1", "D3", "D5", "_", "P"}));
    // From number 3 on: D1 and D2 stay, the reference's first row goes to 3, its null place to 5.
    EXPECT_EQ(applied({UnmatchedRows::Keep, true, 3}),
              (Names{"D1", "D2", "D4", "D3", "_", "D5", "P"}));
    // A list without null channels gets a new one.
    reference.digital->insert(reference.digital->begin(), reference.digital->at(2));
    EXPECT_EQ(applied({UnmatchedRows::Remove, true, 1}), (Names{"_", "D4", "D2", "_", "D1"}));
    EXPECT_FALSE(applyOrder(document, OrderReference{}, {}));  // no change, no undo entry
    EXPECT_FALSE(document.undoHistory().available());
}

TEST_F(ApplyOrderTest, APreviewIsCarriedOutOnlyOnTheListItWasMadeOn) {
    using Names = std::vector<std::string>;
    const OrderPlan preview = planOrder(document.tokens(), reference, {});
    const std::uint64_t revision = document.revision();
    ASSERT_TRUE(applyOrder(document, reference, {}, preview, revision));
    EXPECT_EQ(names(document.tokens()), (Names{"D4", "D2", "_", "D1", "D3", "D5", "P"}));
    ASSERT_TRUE(document.undo());

    // Another order since: the preview's rows are no longer those of the list.
    ASSERT_TRUE(applyOrder(document, reference, {UnmatchedRows::Remove, true, 1}));
    EXPECT_FALSE(
        applyOrder(document, reference, {UnmatchedRows::Remove, true, 1}, preview, revision));
    EXPECT_EQ(names(document.tokens()), (Names{"D4", "D2", "_", "D1"}));
    EXPECT_EQ(checkFailure(document.tokens()), "");
}

TEST(ApplyOrder, NullPlacesFromTheStartNumberLeaveTheRowsBelowItWhereTheyAre) {
    TestList list = validList();
    list.transponders = {transponder("1", "1", "11778")};
    list.channels = {digital("1", "1", "1", "D1"), digital("2", "1", "1", "D2")};
    list.pids = {pidChannel("3", "1", "1", "Rai Test"),
                 withCell(pidChannel("4", "1", "1", "Q"), kPidVideo, "200")};
    TestList nulls = list;
    nulls.channels = {nullChannel(), nullChannel()};
    nulls.pids.clear();
    TokenArray nullTokens = nulls.tokens();
    renumberChannels(nullTokens, locateSections(nullTokens));
    RecordingUi ui;
    const RuntimeSettings settings;
    // Two null places from number 4 on, by number;name lines and by a list's digital null
    // channels: they follow Rai Test (3), as PID null channels, before the unmatched Q.
    for (const std::string& text : {std::string("1;\r\n2;\r\n"), channelListText(nullTokens)}) {
        const std::optional<OrderReference> reference =
            readOrderReference(text, "ref", true, settings, ui);
        ASSERT_TRUE(reference) << text;
        TokenArray tokens = list.tokens();
        applyOrderPlan(tokens, planOrder(tokens, *reference, {UnmatchedRows::Keep, true, 4}));
        renumberChannels(tokens, locateSections(tokens));
        EXPECT_EQ(names(tokens), (std::vector<std::string>{"D1", "D2", "Rai Test", "_", "_", "Q"}));
        EXPECT_EQ(checkFailure(tokens), "");
    }
}

TEST(ApplyOrderProperty, ARandomReorderingGivenAsReferenceIsReproduced) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 30; ++round) {
        TestList list = validList();
        list.transponders = {transponder("1", "1", "11778"), transponder("2", "2", "12110"),
                             transponder("3", "1", "12111")};
        const int digitalCount = 1 + static_cast<int>(random() % 40);
        for (int i = 0; i < digitalCount; ++i) {
            list.channels.push_back(random() % 6 == 0 ? nullChannel()
                                                      : channel(std::to_string(1 + random() % 3),
                                                                "1", std::to_string(1000 + i),
                                                                "D" + std::to_string(i)));
        }
        for (int i = 0; i < static_cast<int>(random() % 6); ++i) {
            list.pids.push_back(withCell(pidChannel("1", "2", "2", "P" + std::to_string(i)),
                                         kPidVideo, std::to_string(200 + i)));
        }
        for (int i = 0; i < static_cast<int>(random() % 10); ++i) {
            list.analogs.push_back(withCell(analog("1", "1", "A" + std::to_string(i)), kAnFrequency,
                                            std::to_string(10700 + 10 * i)));
        }
        TokenArray tokens = list.tokens();
        renumberChannels(tokens, locateSections(tokens));
        TestList shuffled = list;
        std::shuffle(shuffled.channels.begin(), shuffled.channels.end(), random);
        std::shuffle(shuffled.pids.begin(), shuffled.pids.end(), random);
        std::shuffle(shuffled.analogs.begin(), shuffled.analogs.end(), random);
        TokenArray expected = shuffled.tokens();
        renumberChannels(expected, locateSections(expected));
        ASSERT_EQ(checkFailure(expected), "");

        RecordingUi ui;
        const RuntimeSettings settings;
        const auto applied = [&](const OrderReference& reference) {
            TokenArray result = tokens;
            applyOrderPlan(result, planOrder(result, reference, {}));
            renumberChannels(result, locateSections(result));
            return channelListText(result);
        };
        const std::optional<OrderReference> asList =
            readOrderReference(channelListText(expected), "ref.txt", true, settings, ui);
        ASSERT_TRUE(asList);
        EXPECT_EQ(applied(*asList), channelListText(expected));
        // Saved as a reference: the digital view by its names, the null channels' places kept.
        const std::optional<OrderReference> byName =
            readOrderReference(referenceText(expected, true), "ref.csv", true, settings, ui);
        ASSERT_TRUE(byName);
        TokenArray result = tokens;
        applyOrderPlan(result, planOrder(result, *byName, {}));
        EXPECT_EQ(names(result), names(expected));
        EXPECT_TRUE(ui.messages.empty());

        // Compare: a list equals itself; its reordering differs only in numbers.
        EXPECT_TRUE(compareLists(tokens, tokens).equal());
        const ListComparison reordered = compareLists(tokens, expected);
        for (const SectionComparison& section : reordered.sections) {
            for (const RowDifference& d : section.differences) {
                // Null channels are places: one moved is one place gone and another come.
                EXPECT_TRUE(d.kind == DifferenceKind::Moved || d.name == "_")
                    << differenceKindName(d.kind) << " " << d.name;
            }
        }
    }
}

// A list of random channels, null channels among them in each section, with names only a quoted
// reference line keeps; any channel section may be empty.
TokenArray generatedList(std::mt19937& random) {
    static const char* const kNames[] = {"ZDF",  "zdf",        " ZDF",  "ZDF ", "A;B",
                                         "C, D", "M\xFCnchen", "Rai 1", "  ",   "#1"};
    const auto name = [&](int i) {
        return random() % 3 == 0 ? std::string(kNames[random() % std::size(kNames)])
                                 : "N" + std::to_string(i);
    };
    const auto count = [&](unsigned most) {
        return random() % 3 == 0 ? 0u : static_cast<unsigned>(random() % most);
    };
    TestList list = validList();
    list.transponders = {transponder("1", "1", "11778"), transponder("2", "2", "12110")};
    const auto add = [&](std::vector<Record>& section, RecordKind kind, Record record) {
        if (random() % 5 == 0) record = nullRecord(kind, record.data());
        section.push_back(std::move(record));
    };
    for (unsigned i = 0, n = count(20); i < n; ++i) {
        add(list.channels, RecordKind::Digital,
            channel(std::to_string(1 + i % 2), "1", std::to_string(100 + i), name(i)));
    }
    for (unsigned i = 0, n = count(8); i < n; ++i) {
        add(list.pids, RecordKind::Pid,
            withCell(pidChannel("1", "2", "2", name(i)), kPidVideo, std::to_string(200 + i)));
    }
    for (unsigned i = 0, n = count(8); i < n; ++i) {
        add(list.analogs, RecordKind::Analog,
            withCell(analog("1", "1", name(i)), kAnFrequency, std::to_string(10700 + 10 * i)));
    }
    TokenArray tokens = list.tokens();
    renumberChannels(tokens, locateSections(tokens));
    return tokens;
}

// The cells of a view's rows before `end`.
std::vector<std::string> leadingRows(const TokenArray& tokens, bool digitalView, std::size_t end) {
    const SectionMap sections = locateSections(tokens);
    std::vector<std::string> cells;
    for (std::size_t row = 0; row < end; ++row) {
        const std::optional<RecordRef> record = recordOfRow(sections, digitalView, row);
        if (!record) break;
        cells.insert(cells.end(), tokens.begin() + static_cast<std::ptrdiff_t>(record->cell),
                     tokens.begin() + static_cast<std::ptrdiff_t>(record->endCell()));
    }
    return cells;
}

TEST(ApplyOrderProperty, AListsOwnOrderChangesNothingAndRowsBelowTheStartStay) {
    std::mt19937 random(8122026);
    RecordingUi ui;
    const RuntimeSettings settings;
    for (int round = 0; round < 200; ++round) {
        const TokenArray tokens = generatedList(random);
        const std::string text = channelListText(tokens);
        ASSERT_EQ(checkFailure(tokens), "") << text;
        const SectionMap sections = locateSections(tokens);
        struct Form {
            std::string text;
            bool digitalView;
        };
        std::vector<Form> forms;
        if (digitalViewRowCount(sections) > 0) forms.push_back({referenceText(tokens, true), true});
        if (analogViewRowCount(sections) > 0)
            forms.push_back({referenceText(tokens, false), false});
        if (!forms.empty()) forms.push_back({text, true});
        for (const Form& form : forms) {
            const std::optional<OrderReference> reference =
                readOrderReference(form.text, "ref", form.digitalView, settings, ui);
            ASSERT_TRUE(reference) << form.text;
            for (const UnmatchedRows unmatched : {UnmatchedRows::Keep, UnmatchedRows::Remove}) {
                const OrderPlan plan = planOrder(tokens, *reference, {unmatched, true, 1});
                EXPECT_FALSE(plan.changesList()) << form.text << "\nin\n" << text;
                TokenArray result = tokens;
                applyOrderPlan(result, plan);
                EXPECT_EQ(channelListText(result), text);
            }
        }

        // Another list's order from a start number leaves the rows numbered below it alone.
        const TokenArray other = generatedList(random);
        const bool digitalView = random() % 2 == 0;
        const std::optional<OrderReference> reference = readOrderReference(
            random() % 2 ? channelListText(other) : referenceText(other, digitalView), "ref",
            digitalView, settings, ui);
        if (!reference) continue;
        const std::size_t start = 1 + random() % 30;
        TokenArray result = tokens;
        applyOrderPlan(result,
                       planOrder(result, *reference,
                                 {random() % 2 ? UnmatchedRows::Keep : UnmatchedRows::Remove,
                                  random() % 2 == 0, start}));
        for (const bool view : {true, false}) {
            const std::size_t below = std::min(
                start - 1, view ? digitalViewRowCount(sections) : analogViewRowCount(sections));
            EXPECT_EQ(leadingRows(result, view, below), leadingRows(tokens, view, below))
                << "from " << start << " in\n"
                << text;
        }
    }
}

}  // namespace
}  // namespace sky::test
