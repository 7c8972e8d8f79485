// The find bar's rules in the list view: what matches, the steps and the count, the rows shown
// with "Show only matching rows", and edits through a filtered view.

#include <gtest/gtest.h>

#include "editor/ViewFixture.h"

namespace sky::test {
namespace {

using Rows = std::vector<std::size_t>;

// Seven channels whose names, bouquets, satellites and types overlap in useful ways.
TestList findList() {
    TestList list = sampleList(0, 0, 0);
    list.channels = {digital("1", "1", "1", "Das Erste"),
                     digital("2", "1", "1", "BR Klassik", "RADIO"),
                     digital("3", "2", "1", "ZDFneo"),
                     digital("4", "3", "2", "Rai 1"),
                     digital("5", "3", "2", "Rai Radio 2", "RADIO"),
                     digital("6", "2", "1", "zdf kultur")};
    list.pids = {pidChannel("7", "2", "1", "Erste HD")};
    return list;
}

class FindTest : public ViewTest {
protected:
    FindTest() { show(findList()); }

    Rows matchesOf(FindQuery query) {
        view.setFindQuery(std::move(query));
        return view.findMatches();
    }
    FindQuery text(std::string value, std::optional<std::size_t> column = std::nullopt) {
        FindQuery query;
        query.text = std::move(value);
        query.column = column;
        return query;
    }
};

TEST_F(FindTest, TextColumnSatelliteAndTypeNarrowTogether) {
    // Any letter case, in every column shown: the ZDF bouquet brings its PID channel too.
    EXPECT_EQ(matchesOf(text("zdf")), (Rows{2, 5, 6}));
    EXPECT_EQ(matchesOf(text("zdf", kDigName)), (Rows{2, 5}));
    // A name with spaces as shown, a number as written.
    EXPECT_EQ(matchesOf(text("rai radio")), (Rows{4}));
    EXPECT_EQ(matchesOf(text("7", kDigNumber)), (Rows{6}));
    // The hidden Type column is not looked in: BR Klassik is a radio channel but not found.
    EXPECT_EQ(matchesOf(text("RADIO")), (Rows{4}));

    FindQuery query = text("ra", kDigName);
    query.satellite = "2";
    EXPECT_EQ(matchesOf(query), (Rows{3, 4}));
    query.type = TypeChoice::Radio;
    EXPECT_EQ(matchesOf(query), (Rows{4}));
    // An empty text matches every row the quick filters leave.
    query = FindQuery{};
    query.type = TypeChoice::Tv;
    EXPECT_EQ(matchesOf(query), (Rows{0, 2, 3, 5, 6}));
    query.satellite = "2";
    EXPECT_EQ(matchesOf(query), (Rows{3}));
    EXPECT_TRUE(matchesOf(FindQuery{}).empty());

    // The satellite choice offers the list's satellites; every view but the name list filters.
    ASSERT_EQ(view.satelliteChoices().size(), 2u);
    EXPECT_EQ(view.satelliteChoices()[1].name, "HOTBIRD");
    view.run(Command::DigitalTpList);
    query = FindQuery{};
    query.satellite = "1";
    EXPECT_EQ(matchesOf(query), (Rows{0, 1}));
    EXPECT_FALSE(view.typeFilterAvailable());
    view.run(Command::SatelliteNameList);
    EXPECT_FALSE(view.satelliteFilterAvailable());
}

TEST_F(FindTest, StepsWrapFromTheSelectedRowAndTheCountFollows) {
    view.setFindQuery(text("zdf"));
    EXPECT_EQ(list.rows.size(), 7u);
    EXPECT_EQ(view.findCountText(), "3 Matches");
    EXPECT_EQ(view.findNext(), 2u);
    EXPECT_EQ(list.selection, std::set<int>{2});
    EXPECT_EQ(view.findCountText(), "1 of 3");
    view.findNext();
    EXPECT_EQ(view.findNext(), 6u);
    EXPECT_EQ(view.findNext(), 2u);
    EXPECT_EQ(view.findPrevious(), 6u);
    EXPECT_EQ(view.findCountText(), "3 of 3");
    list.select({3, 4});
    EXPECT_EQ(view.findPrevious(), 2u);
    EXPECT_EQ(list.selection, std::set<int>{2});

    view.setFindQuery(text("no such channel"));
    EXPECT_EQ(view.findCountText(), "No Matches");
    EXPECT_EQ(view.findNext(), std::nullopt);
    view.clearFind();
    EXPECT_EQ(view.findCountText(), "");
}

TEST_F(FindTest, OnlyMatchingRowsAreShownAndEditsActOnTheRealRows) {
    EditorDouble editor;
    view.setChannelEditor(&editor);
    FindQuery query = text("zdf");
    query.onlyMatching = true;
    view.setFindQuery(query);
    EXPECT_EQ(shownNames(), (Names{"ZDFneo", "zdf kultur", "Erste HD"}));
    EXPECT_EQ(list.column(kDigNumber), (Names{"3", "6", "7"}));
    EXPECT_EQ(view.findNext(), 0u);

    list.select({1});
    view.onDoubleClick();
    EXPECT_EQ(editor.calls, (Names{"adjust digital 5"}));

    // A paste goes above the real row selected; the pasted channel matches and is shown.
    list.select({0});
    view.run(Command::Cut);
    EXPECT_EQ(shownNames(), (Names{"zdf kultur", "Erste HD"}));
    list.select({0});
    view.run(Command::Paste);
    EXPECT_EQ(shownNames(), (Names{"ZDFneo", "zdf kultur", "Erste HD"}));
    EXPECT_EQ(list.column(kDigNumber), (Names{"5", "6", "7"}));

    // Closing the bar shows every row, the selection on the real row it was on.
    list.select({1});
    view.clearFind();
    EXPECT_EQ(list.rows.size(), 7u);
    EXPECT_EQ(list.selection, std::set<int>{5});
    EXPECT_EQ(view.model().tokens().size(), findList().tokens().size());

    // A sort and a switch of view clear the query; View Detail keeps it.
    view.setFindQuery(query);
    view.run(Command::ViewDetail);
    EXPECT_EQ(list.rows.size(), 3u);
    view.run(Command::SortChannelName);
    EXPECT_FALSE(view.findQuery().narrows());
    EXPECT_EQ(list.rows.size(), 7u);
    view.setFindQuery(query);
    view.run(Command::AnalogChannel);
    EXPECT_FALSE(view.findQuery().narrows());
}

TEST_F(ViewTest, ADropUnderAFilterMovesTheRealRowsAboveOrAtTheDropRow) {
    show(sampleList(12, 0, 0));
    FindQuery radios;
    radios.type = TypeChoice::Radio;
    radios.onlyMatching = true;
    view.setFindQuery(radios);
    ASSERT_EQ(shownNames(), (Names{"D2", "D4", "D6", "D8", "D10", "D12"}));

    // Up: D8 and D10, apart in the list, begin at D4's place.
    list.select({3, 4});
    view.dropSelectedRows(1);
    EXPECT_EQ(undoText(), "Undo (1 - Group Move)");
    EXPECT_EQ(list.selection, std::set<int>{1});
    view.clearFind();
    EXPECT_EQ(shownNames(),
              (Names{"D1", "D2", "D3", "D8", "D10", "D4", "D5", "D6", "D7", "D9", "D11", "D12"}));
    view.run(Command::Undo);

    // Down: D2 and D4 end just above D10; a drop just below the block moves nothing.
    view.setFindQuery(radios);
    list.select({0, 1});
    view.dropSelectedRows(2);
    EXPECT_EQ(undoText(), "Undo Disable");
    list.select({0, 1});
    view.dropSelectedRows(4);
    view.clearFind();
    EXPECT_EQ(shownNames(),
              (Names{"D1", "D3", "D5", "D6", "D7", "D8", "D9", "D2", "D4", "D10", "D11", "D12"}));
}

}  // namespace
}  // namespace sky::test
