// What the list view shows: columns, rows, icons and the state of its commands.

#include <gtest/gtest.h>

#include "editor/ViewFixture.h"
#include "support/TempDir.h"

namespace sky::test {
namespace {

using Widths = std::vector<int>;

TEST_F(ViewTest, OpenShowsTheFileInEveryView) {
    TempDir dir;
    const std::string path = dir.file("channels.txt");
    writeFile(path, readFile(exampleFile("channels.txt")));
    ListControlDouble secondList;
    ListView second{secondList, ui, document};
    secondList.attach(second.shownList());
    ASSERT_TRUE(document.open(path));
    for (const ListControlDouble* shown : {&list, &secondList}) {
        ASSERT_EQ(shown->rows.size(), 16u);
        EXPECT_EQ(shown->rows[0].cells[5], "Das Erste");
        EXPECT_EQ(shown->rows[14].cells[5], "Rai Test");
    }

    // An edit in one view shows in the other.
    list.select({0});
    view.run(Command::Delete);
    EXPECT_EQ(secondList.rows[0].cells[5], "BR Sued");
}

TEST_F(ViewTest, DetailColumnsStartNarrowAndViewDetailKeepsTypeVisibleAfterwards) {
    show(sampleList());
    ASSERT_EQ(list.columns.size(), 20u);
    EXPECT_EQ(list.widths(),
              (Widths{100, 0, 0, 50, 0, 120, 0, 0, 0, 0, 0, 70, 70, 50, 100, 120, 0, 0, 0, 0}));
    view.run(Command::ViewDetail);
    EXPECT_TRUE(view.commandState(Command::ViewDetail).checked);
    EXPECT_EQ(list.widths(), (Widths{100, 50, 50, 50, 70,  120, 50, 50, 50, 50,
                                     70,  70, 70, 50, 100, 120, 0,  0,  0,  0}));
    view.run(Command::ViewDetail);
    EXPECT_EQ(list.widths()[4], 70);
    EXPECT_EQ(list.widths()[1], 0);

    view.run(Command::AnalogChannel);
    ASSERT_EQ(list.columns.size(), 23u);
    EXPECT_EQ(list.headers()[18], "SatName");
    EXPECT_EQ(list.widths()[16], 50);  // Type, visible once View Detail was used
    EXPECT_EQ(list.widths()[17], 0);
    view.run(Command::ViewDetail);
    EXPECT_EQ(list.widths()[4], 100);  // the analog Name column narrows with View Detail on

    // In a section list View Detail does nothing.
    view.run(Command::SatelliteList);
    view.run(Command::ViewDetail);
    EXPECT_TRUE(view.detailColumns());
    EXPECT_EQ(list.headers(), (Names{"Index", "SAT Name", "BLANK", "LNB_LO Hi", "LNB_LO Lo",
                                     "Position", "Degree"}));
}

TEST_F(ViewTest, DetailRowsShowEveryCellWholeWithTheirTypeIcon) {
    TestList sample = sampleList(2, 1, 2);
    sample.channels[1][5] = "A name well beyond twenty bytes";
    show(sample);
    EXPECT_EQ(shownNames(), (Names{"D1", "A name well beyond twenty bytes", "P1"}));
    EXPECT_EQ(list.rows[0].icon, RowIcon::Tv);
    EXPECT_EQ(list.rows[1].icon, RowIcon::Other);
    EXPECT_EQ(list.rows[2].cells[15], "ASTRA");

    view.toggleDigitalAnalog();
    EXPECT_FALSE(view.digitalFlag());
    EXPECT_EQ(shownNames(), (Names{"A1", "A2"}));
    EXPECT_EQ(list.rows[1].icon, RowIcon::Other);
    EXPECT_EQ(view.digitalAnalogToggleText(), "View Digital Channel");
}

TEST_F(ViewTest, SectionListsShowTheirCellsAsTheyStandWithDegreesInDisplayForm) {
    show(sampleList(3, 0, 0));
    view.run(Command::SatelliteList);
    ASSERT_EQ(list.rows.size(), 2u);
    EXPECT_EQ(list.rows[0].icon, RowIcon::Plain);
    EXPECT_EQ(list.column(6), (Names{"E019.2", "W013.0"}));

    view.run(Command::DigitalChannelList);
    EXPECT_EQ(list.column(3), (Names{"00A1", "00A2", "00A3"}));
    EXPECT_TRUE(view.commandState(Command::DigitalChannelList).checked);
    EXPECT_FALSE(view.commandState(Command::DigitalChannel).checked);

    // An empty section shows its columns and no rows.
    view.run(Command::DigitalPidChannelList);
    EXPECT_EQ(list.columns.size(), 10u);
    EXPECT_TRUE(list.rows.empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ViewTest, EachChangeOfTheShownListIsOneResetAndCellsOutsideItAreEmpty) {
    show(sampleList(3, 0, 0));
    const int resets = list.resets;
    view.run(Command::SatelliteList);
    view.run(Command::DigitalChannel);
    list.select({0});
    view.run(Command::InsertNull);
    EXPECT_EQ(list.resets, resets + 3);
    const ShownList& shown = view.shownList();
    EXPECT_TRUE(shown.cell(shown.rowCount(), 0).empty());
    EXPECT_TRUE(shown.cell(0, shown.columns().size() + 5).empty());
}

TEST_F(ViewTest, SectionListWithAMissingMarkerSaysSoAndShowsNoRows) {
    TokenArray tokens = sampleList().tokens();
    std::erase(tokens, std::string("DIGITAL END"));
    show(sampleList());
    document.adopt(tokens, Renumber::No);
    // The box comes once the table has been reset, so that it stands over the list as it is.
    ui.onMessage = [this](const std::string&) { EXPECT_FALSE(list.inReset()); };
    view.run(Command::DigitalTpList);
    EXPECT_EQ(ui.messages, (Names{"Can't find \" DIGITAL END \" "}));
    EXPECT_EQ(list.columns.size(), 6u);
    EXPECT_TRUE(list.rows.empty());
    EXPECT_EQ(view.model().tokens(), tokens);
}

TEST_F(ViewTest, CommandsWaitForADocumentAndReportTheirState) {
    for (Command command : {Command::DigitalChannel, Command::SatelliteList, Command::Delete,
                            Command::SortChannelName, Command::Undo}) {
        EXPECT_FALSE(view.commandState(command).enabled);
    }
    EXPECT_FALSE(document.reload());
    view.run(Command::SatelliteList);
    EXPECT_EQ(view.viewKind(), ViewKind::Detail);

    show(sampleList());
    EXPECT_TRUE(view.commandState(Command::DigitalChannel).checked);
    EXPECT_EQ(view.digitalAnalogToggleText(), "View Analog Channel");
    EXPECT_TRUE(view.commandState(Command::New).enabled);
    EXPECT_FALSE(view.commandState(Command::Paste).enabled);
    EXPECT_EQ(undoText(), "Undo Disable");

    view.run(Command::ToggleEdit);
    EXPECT_FALSE(view.commandState(Command::ToggleEdit).checked);

    // Edits replace the rows only; a switch of view the columns too.
    list.select({0});
    view.run(Command::Delete);
    EXPECT_EQ(list.lastScope, ResetScope::Rows);
    view.run(Command::AnalogChannel);
    EXPECT_EQ(list.lastScope, ResetScope::ColumnsAndRows);
    view.run(Command::DigitalChannel);

    view.run(Command::SatelliteNameList);
    EXPECT_FALSE(view.commandState(Command::New).enabled);
    EXPECT_TRUE(view.commandState(Command::Delete).enabled);
}

}  // namespace
}  // namespace sky::test
