// The user's column widths and hidden columns over the program's, the window's placement, and
// Reset Settings, all through the settings store.

#include "shell/ColumnLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "shell/Settings.h"
#include "shell/WindowPlacement.h"

namespace sky::test {
namespace {

const LayoutView kDigital{ViewKind::Detail, true};
const LayoutView kAnalog{ViewKind::Detail, false};
const LayoutView kTransponders{ViewKind::DigitalTpList, true};

std::vector<int> widths(const std::vector<Column>& columns) {
    std::vector<int> result;
    for (const Column& column : columns) result.push_back(column.width);
    return result;
}

std::size_t shownCount(const std::vector<Column>& columns) {
    return static_cast<std::size_t>(
        std::count_if(columns.begin(), columns.end(), [](const Column& c) { return c.width > 0; }));
}

TEST(ColumnLayoutTest, WidthsAndHiddenColumnsPerViewOutliveTheLayout) {
    MemorySettingsStore store;
    const std::vector<Column> digital = viewColumns(ViewKind::Detail, true, DetailWidths::Start);
    const std::vector<Column> analog = viewColumns(ViewKind::Detail, false, DetailWidths::Start);
    {
        ColumnLayout layout(store);
        EXPECT_EQ(widths(layout.columns(kDigital, digital)), widths(digital));
        layout.setWidth(kDigital, 5, 333);
        EXPECT_TRUE(layout.setHidden(kDigital, 3, true, digital));
        // A column the program hides gets a width when shown, and keeps it hidden when only
        // dragged.
        EXPECT_TRUE(layout.setHidden(kDigital, 1, false, digital));
        layout.setWidth(kDigital, 2, 90);
        layout.setWidth(kDigital, 0, 0);
    }
    ColumnLayout layout(store);
    const std::vector<Column> shown = layout.columns(kDigital, digital);
    EXPECT_EQ(shown[5].width, 333);
    EXPECT_EQ(shown[3].width, 0);
    EXPECT_EQ(shown[1].width, ColumnLayout::kShownWidth);
    EXPECT_EQ(shown[2].width, 0);
    EXPECT_EQ(shown[0].width, digital[0].width);
    EXPECT_EQ(widths(layout.columns(kAnalog, analog)), widths(analog));

    // Showing a hidden column again brings back the width dragged before.
    layout.setWidth(kDigital, 3, 77);
    EXPECT_TRUE(layout.setHidden(kDigital, 3, false, digital));
    EXPECT_EQ(layout.columns(kDigital, digital)[3].width, 77);

    layout.reset(kDigital);
    EXPECT_EQ(widths(layout.columns(kDigital, digital)), widths(digital));
    EXPECT_EQ(widths(ColumnLayout(store).columns(kDigital, digital)), widths(digital));
}

TEST(ColumnLayoutTest, DamagedStoredValuesCountAsLeftAlone) {
    MemorySettingsStore store;
    const std::vector<Column> program = viewColumns(ViewKind::DigitalTpList, true, {});
    store.writeString(ColumnLayout::kSection, "Digital TP List Columns",
                      "h,x12,99999,-4,s,h,40,,,,,,,,");
    const std::vector<Column> shown = ColumnLayout(store).columns(kTransponders, program);
    EXPECT_EQ(widths(shown), (std::vector<int>{0, 50, 50, 50, 50, 0}));
}

// Random drags, hides, shows and resets over random views: at least one column stays shown, a
// width dragged on a shown column is shown, and a fresh layout over the same store shows what
// the one that made the changes shows.
TEST(ColumnLayoutTest, RandomChangesKeepAColumnShownAndRoundTrip) {
    const std::vector<LayoutView> views{
        kDigital, kAnalog, kTransponders, {ViewKind::SatelliteNameList, true}};
    std::mt19937 random(20261208);
    for (int walk = 0; walk < 40; ++walk) {
        MemorySettingsStore store;
        ColumnLayout layout(store);
        for (int step = 0; step < 60; ++step) {
            const LayoutView view = views[random() % views.size()];
            const DetailWidths detail = static_cast<DetailWidths>(random() % 3);
            const std::vector<Column> program = viewColumns(view.kind, view.digital, detail);
            const std::size_t column = random() % program.size();
            switch (random() % 8) {
                case 0:
                    layout.reset(view);
                    EXPECT_EQ(widths(layout.columns(view, program)), widths(program));
                    break;
                case 1:
                case 2: {
                    const int width = static_cast<int>(random() % 300);
                    layout.setWidth(view, column, width);
                    const int shown = layout.columns(view, program)[column].width;
                    if (width > 0 && shown > 0) {
                        EXPECT_EQ(shown, width);
                    }
                    break;
                }
                case 3:
                    EXPECT_TRUE(layout.setHidden(view, column, false, program));
                    EXPECT_GT(layout.columns(view, program)[column].width, 0);
                    break;
                default: {
                    const bool allowed = layout.canHide(view, column, program);
                    EXPECT_EQ(layout.setHidden(view, column, true, program), allowed);
                    if (allowed) {
                        EXPECT_EQ(layout.columns(view, program)[column].width, 0);
                    }
                    break;
                }
            }
            const std::vector<Column> shown = layout.columns(view, program);
            if (shownCount(program) > 0) {
                EXPECT_GE(shownCount(shown), 1u);
            }
            EXPECT_EQ(widths(ColumnLayout(store).columns(view, program)), widths(shown));
        }
    }
}

TEST(WindowPlacementTest, RoundTripAndFirstStart) {
    MemorySettingsStore store;
    EXPECT_FALSE(WindowPlacement::read(store));
    const WindowPlacement placement{12, 34, 900, 600, true, WindowPlacement::Side::Right, true};
    EXPECT_TRUE(placement.write(store));
    EXPECT_EQ(WindowPlacement::read(store), placement);
    // A size below the least the window takes is a damaged value: the first-start size.
    store.writeInt(ColumnLayout::kSection, "Window Height", 3);
    EXPECT_FALSE(WindowPlacement::read(store));
    store.writeInt(ColumnLayout::kSection, "Window Height", 600);
    store.writeInt(ColumnLayout::kSection, "Message Window Side", 9);
    EXPECT_EQ(WindowPlacement::read(store)->messageSide, WindowPlacement::Side::Left);
}

TEST(ResetSettingsTest, EverySettingGoesBackButTheRecentLists) {
    MemorySettingsStore store;
    Settings settings(store);
    settings.setComPort(3);
    settings.setPortDevice(2, "/dev/ttyUSB0");
    settings.setUndoLevels(150);
    settings.saveColours({1, 2, 3}, {4, 5, 6});
    settings.addRecentFile("/lists/old.txt");
    settings.addRecentFile("/lists/new.txt");
    settings.setRecentFolder("/lists");
    ColumnLayout layout(store);
    layout.setWidth(kDigital, 5, 300);
    WindowPlacement{0, 0, 800, 600, true, WindowPlacement::Side::Right, true}.write(store);

    settings.resetToDefaults();
    layout.resetAll();

    MemorySettingsStore fresh;
    const Settings defaults(fresh);
    EXPECT_EQ(settings.comPort(), defaults.comPort());
    EXPECT_EQ(settings.portDevice(2), defaults.portDevice(2));
    EXPECT_EQ(settings.undoLevels(), defaults.undoLevels());
    EXPECT_EQ(settings.listColours(), defaults.listColours());
    EXPECT_FALSE(WindowPlacement::read(store));
    const std::vector<Column> program = viewColumns(ViewKind::Detail, true, DetailWidths::Start);
    EXPECT_EQ(widths(layout.columns(kDigital, program)), widths(program));
    EXPECT_EQ(settings.recentFiles(),
              (std::vector<std::string>{"/lists/new.txt", "/lists/old.txt"}));
    EXPECT_EQ(settings.recentFolder(), "/lists");
}

}  // namespace
}  // namespace sky::test
