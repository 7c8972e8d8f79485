// Rename Channels: the rules, the preview's marks and ticks, and the rename as one undo step.

#include <gtest/gtest.h>

#include <random>

#include "db/Loader.h"
#include "db/TextWriter.h"
#include "editor/ListFixture.h"
#include "editor/document/ListDocument.h"
#include "editor/import/ImportName.h"
#include "editor/model/RowValues.h"
#include "editor/rename/RenamePreview.h"
#include "support/RecordingUi.h"

namespace sky {
namespace {

using namespace sky::test;

RenameRule rule(RenameRuleKind kind, std::string_view text) {
    std::string error;
    std::optional<RenameRule> parsed = parseRenameRule(kind, text, error);
    EXPECT_TRUE(parsed) << error;
    return parsed.value_or(RenameRule{});
}

std::string rename(std::string_view name, std::vector<RenameRule> rules) {
    return renamed(name, rules);
}

TEST(RenameRules, EachRuleInOrder) {
    using K = RenameRuleKind;
    EXPECT_EQ(rename("ARD HD", {rule(K::Replace, "ARD=Das Erste")}), "Das Erste HD");
    EXPECT_EQ(rename("RTL2 HD", {rule(K::Regex, "^(\\w+) HD$=HD $1")}), "HD RTL2");
    EXPECT_EQ(rename("BBC one", {rule(K::Case, "upper")}), "BBC ONE");
    EXPECT_EQ(rename("SAT.1 GOLD", {rule(K::Case, "title")}), "Sat.1 Gold");
    EXPECT_EQ(rename("Das Erste HD", {rule(K::Strip, "hd, SD")}), "Das Erste");
    EXPECT_EQ(rename("Sky Cinema +1", {rule(K::Strip, "HD")}), "Sky Cinema +1");
    // Order counts: the case changes after the replacement, not before it.
    EXPECT_EQ(rename("zdf", {rule(K::Replace, "zdf=zdf info"), rule(K::Case, "upper")}),
              "ZDF INFO");
    EXPECT_EQ(rename("zdf", {rule(K::Case, "upper"), rule(K::Replace, "zdf=zdf info")}), "ZDF");
}

TEST(RenameRules, CaseChangesTakeLatin1Letters) {
    // "é", "É", "ß", "ÿ", "×" in Latin-1.
    EXPECT_EQ(upperLatin1("t\xe9l\xe9 \xdf\xff\xf7"), "T\xc9L\xc9 \xdf\xff\xf7");
    EXPECT_EQ(lowerLatin1("T\xc9L\xc9 \xd7"), "t\xe9l\xe9 \xd7");
    EXPECT_EQ(titleLatin1("\xc9T\xc9 \xe9t\xe9 3SAT"), "\xc9t\xe9 \xc9t\xe9 3sat");
    // A rule's text comes in as UTF-8 and meets the names in Latin-1.
    EXPECT_EQ(rename("T\xe9l\xe9", {rule(RenameRuleKind::Replace, "é=e")}), "Tele");
}

TEST(RenameRules, FitDropsStrippedWordsThenSpacesFromTheRightThenCuts) {
    using K = RenameRuleKind;
    const RenameRule fit = rule(K::Fit, "13");
    EXPECT_EQ(rename("Sky Sport News HD", {fit}), "Sky SportNews");
    EXPECT_EQ(rename("Eurosport 1 HD", {fit}), "Eurosport 1");
    EXPECT_EQ(rename("Sky Sport Austria", {fit}), "SkySportAustr");
    EXPECT_EQ(rename("Kabel 1 Doku UHD", {rule(K::Strip, "UHD"), fit}), "Kabel 1 Doku");
    EXPECT_EQ(rename("Nat Geo Wild +1", {fit}), "Nat GeoWild+1");
    EXPECT_EQ(rename("ProSieben", {rule(K::Fit, "3")}), "Pro");
    EXPECT_EQ(rename("Short", {fit}), "Short");
}

TEST(RenameRules, NamesStayListText) {
    using K = RenameRuleKind;
    EXPECT_EQ(rename("A", {rule(K::Replace, "A=say \"hi\"~ ")}), "say 'hi'-");
    EXPECT_EQ(rename("X", {rule(K::Replace, "X=CHANNEL END")}), "CHANNEL-END");
    EXPECT_EQ(rename("HD", {rule(K::Strip, "HD")}), "");
    EXPECT_EQ(rename("ARD #1", {rule(K::Case, "lower")}), "ard #1");  // "#" reads back in a name
}

TEST(RenameRules, TextThatMakesNoRuleIsRefused) {
    std::string error;
    EXPECT_FALSE(parseRenameRule(RenameRuleKind::Replace, "noequals", error));
    EXPECT_FALSE(parseRenameRule(RenameRuleKind::Replace, "=x", error));
    EXPECT_FALSE(parseRenameRule(RenameRuleKind::Regex, "(unclosed=x", error));
    EXPECT_NE(error.find("(unclosed"), std::string::npos);
    EXPECT_FALSE(parseRenameRule(RenameRuleKind::Case, "shout", error));
    EXPECT_FALSE(parseRenameRule(RenameRuleKind::Strip, " , ", error));
    for (const char* width : {"0", "14", "x", "5x", ""})
        EXPECT_FALSE(parseRenameRule(RenameRuleKind::Fit, width, error)) << width;
    EXPECT_EQ(ruleText(rule(RenameRuleKind::Replace, "é=e=f")), "é=e=f");
}

Record withCell(Record record, std::size_t field, const std::string& text) {
    record[field] = text;
    return record;
}

TestList renameList() {
    TestList list = validList();
    list.transponders = {transponder("1", "1", "11778")};
    list.channels = {digital("1", "1", "1", "ARD HD"), digital("2", "1", "1", "ZDF HD"),
                     digital("3", "1", "1", "ZDF"), digital("4", "1", "1", "3sat"),
                     withCell(digital("5", "1", "1", "_"), kChBlank, "Y")};
    list.pids = {pidChannel("6", "1", "1", "ZDF HD")};
    list.analogs = {analog("1", "1", "ZDF HD"), analog("2", "1", "HD")};
    return list;
}

TEST(RenamePreview, MarksAndTicks) {
    const TokenArray tokens = renameList().tokens();
    std::vector<RecordRef> records = sectionRecords(tokens, RecordKind::Digital);
    for (const RecordKind kind : {RecordKind::Pid, RecordKind::Analog}) {
        for (const RecordRef& record : sectionRecords(tokens, kind)) records.push_back(record);
    }
    // The section lists' rows are their records; views of no channels have none.
    EXPECT_EQ(viewRecords(tokens, ViewKind::AnalogChannelList, true, {1, 9})[0].cell,
              sectionRecords(tokens, RecordKind::Analog)[1].cell);
    EXPECT_TRUE(viewRecords(tokens, ViewKind::SatelliteList, true, {0}).empty());
    RenamePreview preview = previewRename(tokens, records, {rule(RenameRuleKind::Strip, "HD")});
    ASSERT_EQ(preview.rows.size(), 7u);  // the null channel is left out
    const auto row = [&](std::size_t i) { return preview.rows[i]; };
    EXPECT_EQ(row(0).newName, "ARD");
    EXPECT_TRUE(row(0).ticked);
    EXPECT_FALSE(row(0).equalsOther);
    EXPECT_TRUE(row(1).equalsOther);  // "ZDF" is another digital channel's name
    EXPECT_TRUE(row(2).unchanged());
    EXPECT_FALSE(row(2).ticked);
    EXPECT_FALSE(canTick(row(2)));
    EXPECT_FALSE(row(4).equalsOther);  // the PID channel's section has no "ZDF"
    EXPECT_TRUE(row(6).empty);
    EXPECT_FALSE(row(6).ticked);
    EXPECT_FALSE(setTicked(preview, 6, true));

    ASSERT_TRUE(setTicked(preview, 1, false));
    EXPECT_EQ(tickedCount(preview), 3u);

    const RenamePreview longer =
        previewRename(tokens, records, {rule(RenameRuleKind::Replace, "ARD=ARD Das Erste")});
    EXPECT_TRUE(longer.rows[0].tooLong);
    EXPECT_FALSE(longer.rows[0].ticked);

    // Names compare as Find Duplicates compares them; a case change alone meets only the row's
    // own name.
    const RenamePreview cased =
        previewRename(tokens, records, {rule(RenameRuleKind::Replace, "ARD HD=zdf")});
    EXPECT_TRUE(cased.rows[0].equalsOther);
    RenamePreview lower = previewRename(tokens, records, {rule(RenameRuleKind::Case, "lower")});
    ASSERT_EQ(lower.rows[2].newName, "zdf");
    EXPECT_FALSE(lower.rows[2].equalsOther);
    ASSERT_TRUE(setTicked(lower, 2, false));
    EXPECT_FALSE(lower.rows[2].equalsOther);

    // Two channels renamed to one name mark each other; with one unticked, only that one would
    // still meet the other's new name.
    RenamePreview both =
        previewRename(tokens, records, {rule(RenameRuleKind::Regex, "^(ARD|3sat).*=Same")});
    EXPECT_TRUE(both.rows[0].equalsOther);
    EXPECT_TRUE(both.rows[3].equalsOther);
    ASSERT_TRUE(setTicked(both, 3, false));
    EXPECT_FALSE(both.rows[0].equalsOther);
    EXPECT_TRUE(both.rows[3].equalsOther);
}

class RenameChannelsTest : public ::testing::Test {
protected:
    RecordingUi ui;
    RuntimeSettings settings;
    ListDocument document{ui, settings};
};

TEST_F(RenameChannelsTest, OneUndoStepWithoutRenumbering) {
    TestList list = renameList();
    list.channels[2][kChIndex] = "9";  // numbers with a gap stay as they are
    document.adopt(list.tokens());
    const TokenArray before = document.tokens();
    const std::vector<RecordRef> records =
        viewRecords(document.tokens(), ViewKind::Detail, true, {0, 1, 2, 5});
    const RenamePreview preview =
        previewRename(document.tokens(), records, {rule(RenameRuleKind::Strip, "HD")});

    EXPECT_EQ(renameChannels(document, preview), 3u);
    TokenArray expected = before;
    for (const RenameRow& row : preview.rows) {
        if (row.ticked) expected[row.record.cell + channelNameField(row.record.kind)] = row.newName;
    }
    EXPECT_EQ(document.tokens(), expected);
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(document.undoHistory().menuItem().text, "Undo (1 - Rename Channels)");

    // The same preview again finds the old names gone: refused, nothing recorded.
    EXPECT_EQ(renameChannels(document, preview), 0u);
    EXPECT_EQ(ui.messages.back(), kRenameOutdated);
    EXPECT_EQ(document.tokens(), expected);

    // A preview without a tick changes nothing and records no step.
    EXPECT_EQ(renameChannels(document, RenamePreview{}), 0u);
    EXPECT_EQ(document.undoHistory().menuItem().text, "Undo (1 - Rename Channels)");

    ASSERT_TRUE(document.undo());
    EXPECT_EQ(document.tokens(), before);
}

// Random names under random rules: every name the preview ticks is list text of at most 13
// characters, and the list written with the new names reads back with them.
TEST(RenamePreview, TickedNamesReadBackOverRandomLists) {
    std::mt19937 random(20261208);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const std::string alphabet = "aZ \"~#-+1\xe9\xc9\xdf\t_HD";
    const auto randomText = [&](int longest) {
        std::string text;
        for (int i = pick(longest + 1); i > 0; --i)
            text += alphabet[static_cast<std::size_t>(pick(static_cast<int>(alphabet.size())))];
        return text;
    };
    using K = RenameRuleKind;
    for (int round = 0; round < 40; ++round) {
        TestList list = validList();
        list.transponders = {transponder("1", "1", "11778")};
        for (int i = 1; i <= 20; ++i) {
            std::string name = keepableName(randomText(13));
            if (name.empty()) name = "N";
            list.channels.push_back(digital(std::to_string(i), "1", "1", name));
        }
        std::vector<RenameRule> rules;
        for (int i = pick(4); i >= 0; --i) {
            switch (pick(5)) {
                case 0:
                    rules.push_back(rule(K::Replace, "a=" + randomText(6)));
                    break;
                case 1:
                    rules.push_back(rule(K::Regex, "[Z ]+=" + randomText(3)));
                    break;
                case 2:
                    rules.push_back(rule(K::Case, pick(2) ? "upper" : "title"));
                    break;
                case 3:
                    rules.push_back(rule(K::Strip, "HD,+1"));
                    break;
                default:
                    rules.push_back(rule(K::Fit, std::to_string(1 + pick(13))));
                    break;
            }
        }
        TokenArray tokens = list.tokens();
        const RenamePreview preview =
            previewRename(tokens, sectionRecords(tokens, RecordKind::Digital), rules);
        ASSERT_TRUE(applyRename(tokens, preview));
        for (const RenameRow& row : preview.rows) {
            if (!row.ticked) continue;
            EXPECT_EQ(keepableName(row.newName), row.newName);
            EXPECT_LE(row.newName.size(), kLongestChannelName);
        }
        RecordingUi ui;
        TokenArray read;
        ASSERT_NE(readChannelListText(channelListText(tokens), read, ui), LoadResult::Failed);
        const std::vector<RecordRef> written = sectionRecords(tokens, RecordKind::Digital);
        const std::vector<RecordRef> readBack = sectionRecords(read, RecordKind::Digital);
        ASSERT_EQ(readBack.size(), written.size());
        for (std::size_t i = 0; i < written.size(); ++i)
            EXPECT_EQ(read[readBack[i].cell + kChName], tokens[written[i].cell + kChName]);
    }
}

}  // namespace
}  // namespace sky
