#pragma once

#include <ctime>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace sky {

// The print formatter's layout: the shown list's visible columns and rows, paginated with a title
// at the top of each page and the page number and date at the bottom. Everything is computed in
// list coordinates (list pixels); the printer maps one list pixel to horizontalScale by
// verticalScale printer dots and draws the page's texts and lines.

// Shown instead of printing an empty list, and instead of a page when the list has become empty.
inline constexpr const char* kNoContentsMessage = "No Contents for printing";
inline constexpr const char* kNoContentsPageMessage = "No Contents for printing!";

// The title font is the list font made this much higher, with this weight.
inline constexpr int kTitleFontExtraHeight = 22;
inline constexpr int kTitleFontWeight = 100;

// A column of the shown list, in display order; width in list pixels (0 hides it).
struct PrintColumn {
    std::string header;
    int width = 0;
};

struct PrintMetrics {
    int printerWidth = 0;   // dots
    int printerHeight = 0;  // dots
    int printerDpiY = 0;
    int screenDpiY = 0;
    int averageCharWidth = 0;  // of the list font, in list pixels
    int rowHeight = 0;         // of a list row on screen, in list pixels
};

struct PrintRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const PrintRect&) const = default;
};

struct PrintLayout {
    int horizontalScale = 1;
    int verticalScale = 1;
    PrintRect page;
    int rowHeight = 1;
    int rowsPerPage = 1;
    int rowCount = 0;
    // The pages that carry rows.
    int pageCount = 0;
};

// Lays out a list of rowCount rows with the given columns. Nothing for an empty list (the caller
// shows kNoContentsMessage). Scales, row height and rows per page are at least 1, so a page too
// small for the list still prints one row per page rather than failing.
std::optional<PrintLayout> layoutPrint(const PrintMetrics& metrics,
                                       std::span<const PrintColumn> columns, int rowCount);

enum class PrintAlign { Left, Right };

struct PrintText {
    PrintRect rect;
    std::string text;
    PrintAlign align = PrintAlign::Left;
    bool titleFont = false;
    // The cell is outlined (header and row cells).
    bool outlined = false;
};

// A horizontal line from x1 to x2 at y.
struct PrintLine {
    int x1 = 0;
    int x2 = 0;
    int y = 0;
};

struct PrintedPage {
    std::vector<PrintText> texts;
    std::vector<PrintLine> lines;
    // The rows on the page: firstRow up to, not including, endRow.
    int firstRow = 0;
    int endRow = 0;
};

// The text of a cell: row, then column index into the columns given.
using PrintCellText = std::function<std::string(int row, int column)>;

// The content of page `page` (1-based): the title right-aligned in the top row band; the column
// headers four rows below the top and the page's rows under them, each visible column's cell as
// wide as the column, left-aligned and outlined, a line under each row; the footer band three
// rows above the bottom with a line at its top, the page number at the left and the date at the
// right, half a row lower. Nothing for a page outside 1 to pageCount.
std::optional<PrintedPage> layoutPage(const PrintLayout& layout,
                                      std::span<const PrintColumn> columns,
                                      const PrintCellText& cellText, int page,
                                      const std::string& title, const std::string& dateText);

// The date at the foot of every page: "%H:%M  %A, %B %d, %Y".
std::string printDateText(const std::tm& time);

}  // namespace sky
