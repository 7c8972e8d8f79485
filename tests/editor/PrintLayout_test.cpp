#include "editor/print/PrintLayout.h"

#include <gtest/gtest.h>

namespace sky {
namespace {

// The Digital Channel view's columns at start-up: only eight have a width.
const std::vector<PrintColumn> kDigitalColumns{
    {"Number", 100},     {"TPindex", 0},       {"SAT Index", 0}, {"SVC ID", 50},
    {"Type", 0},         {"Name", 120},        {"VPID", 0},      {"APID", 0},
    {"PCR PID", 0},      {"Active Audio", 0},  {"Blank", 0},     {"freqency", 70},
    {"Symbol Rate", 70}, {"Polarization", 50}, {"Bouquet", 100}, {"Sat Name", 120},
    {"LNB_LO high", 0},  {"LNB_LO low", 0},    {"Position", 0},  {"Degree", 0},
};

// A 600 dpi printer page and a 96 dpi screen: vertical scale 6; rows of 17 list pixels give
// 6600 / 102 - 8 = 56 rows per page; the row of 680 pixels plus 6 characters of 7 gives a
// horizontal scale of 4800 / 722 = 6.
constexpr PrintMetrics kMetrics{4800, 6600, 600, 96, 7, 17};

std::string cell(int row, int column) {
    return std::to_string(row) + ":" + std::to_string(column);
}

TEST(PrintLayout, PagesAreThoseThatCarryRows) {
    EXPECT_FALSE(layoutPrint(kMetrics, kDigitalColumns, 0));

    const std::optional<PrintLayout> one = layoutPrint(kMetrics, kDigitalColumns, 56);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->horizontalScale, 6);
    EXPECT_EQ(one->verticalScale, 6);
    EXPECT_EQ(one->rowsPerPage, 56);
    EXPECT_EQ(one->page, (PrintRect{14, 0, 772, 1100}));
    // A list that fills its last page exactly has no empty page after it.
    EXPECT_EQ(one->pageCount, 1);
    EXPECT_EQ(layoutPrint(kMetrics, kDigitalColumns, 1)->pageCount, 1);
    EXPECT_EQ(layoutPrint(kMetrics, kDigitalColumns, 57)->pageCount, 2);
    EXPECT_EQ(layoutPrint(kMetrics, kDigitalColumns, 112)->pageCount, 2);
    EXPECT_EQ(layoutPrint(kMetrics, kDigitalColumns, 20000)->pageCount, 358);
}

TEST(PrintLayout, PageCarriesTitleHeadersRowsAndFooter) {
    const PrintLayout layout = *layoutPrint(kMetrics, kDigitalColumns, 57);
    const std::optional<PrintedPage> page =
        layoutPage(layout, kDigitalColumns, cell, 2, "Skylister : list.txt", "the date");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->firstRow, 56);
    EXPECT_EQ(page->endRow, 57);

    // Title, page number, date, 8 header cells and 8 cells of the one row.
    ASSERT_EQ(page->texts.size(), 19u);
    const PrintText& title = page->texts[0];
    EXPECT_EQ(title.text, "Skylister : list.txt");
    EXPECT_EQ(title.rect, (PrintRect{14, 0, 772, 17}));
    EXPECT_EQ(title.align, PrintAlign::Right);
    EXPECT_TRUE(title.titleFont);

    // The footer band starts three rows above the bottom; its texts half a row lower.
    EXPECT_EQ(page->texts[1].text, "2");
    EXPECT_EQ(page->texts[1].align, PrintAlign::Left);
    EXPECT_EQ(page->texts[1].rect, (PrintRect{14, 1057, 772, 1074}));
    EXPECT_EQ(page->texts[2].text, "the date");
    EXPECT_EQ(page->texts[2].align, PrintAlign::Right);

    // Only columns with a width print, side by side from the left edge.
    const std::vector<std::string> headers{"Number",      "SVC ID",       "Name",    "freqency",
                                           "Symbol Rate", "Polarization", "Bouquet", "Sat Name"};
    int x = 14;
    for (std::size_t i = 0; i < headers.size(); ++i) {
        const PrintText& header = page->texts[3 + i];
        EXPECT_EQ(header.text, headers[i]);
        EXPECT_TRUE(header.outlined);
        EXPECT_EQ(header.rect.left, x);
        EXPECT_EQ(header.rect.top, 68);
        x = header.rect.right;
    }
    EXPECT_EQ(x, 14 + 680);
    EXPECT_EQ(page->texts[11].text, "56:0");
    EXPECT_EQ(page->texts[12].text, "56:3");
    EXPECT_EQ(page->texts[18].text, "56:15");
    EXPECT_EQ(page->texts[18].rect.top, 85);

    // Lines: the footer's, under the headers, under the row.
    ASSERT_EQ(page->lines.size(), 3u);
    EXPECT_EQ(page->lines[0].y, 1049);
    EXPECT_EQ(page->lines[1].y, 85);
    EXPECT_EQ(page->lines[2].y, 102);

    EXPECT_FALSE(layoutPage(layout, kDigitalColumns, cell, 0, "", ""));
    EXPECT_FALSE(layoutPage(layout, kDigitalColumns, cell, 3, "", ""));
}

TEST(PrintLayout, FullPageStaysAboveTheFooter) {
    const PrintLayout layout = *layoutPrint(kMetrics, kDigitalColumns, 200);
    const PrintedPage page = *layoutPage(layout, kDigitalColumns, cell, 1, "t", "d");
    EXPECT_EQ(page.endRow - page.firstRow, 56);
    EXPECT_LE(page.lines.back().y, page.lines.front().y);
}

TEST(PrintLayout, DegenerateMetricsStillPrintEveryRow) {
    const std::optional<PrintLayout> layout =
        layoutPrint(PrintMetrics{0, 100, 0, 0, 0, 500}, kDigitalColumns, 3);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->horizontalScale, 1);
    EXPECT_EQ(layout->verticalScale, 1);
    EXPECT_EQ(layout->rowsPerPage, 1);
    EXPECT_EQ(layout->pageCount, 3);
    EXPECT_EQ(layoutPage(*layout, {}, cell, 3, "", "")->firstRow, 2);
}

TEST(PrintLayout, DateText) {
    std::tm time{};
    time.tm_year = 2024 - 1900;
    time.tm_mon = 5;
    time.tm_mday = 7;
    time.tm_wday = 5;
    time.tm_hour = 14;
    time.tm_min = 5;
    EXPECT_EQ(printDateText(time), "14:05  Friday, June 07, 2024");
}

}  // namespace
}  // namespace sky
