#include "editor/print/PrintLayout.h"

#include <algorithm>

namespace sky {

std::optional<PrintLayout> layoutPrint(const PrintMetrics& metrics,
                                       std::span<const PrintColumn> columns, int rowCount) {
    if (rowCount <= 0) return std::nullopt;
    int rowWidth = 0;
    for (const PrintColumn& column : columns) rowWidth += std::max(column.width, 0);

    PrintLayout layout;
    const int charWidth = std::max(metrics.averageCharWidth, 0);
    const int scaledWidth = rowWidth + 6 * charWidth;
    layout.horizontalScale = scaledWidth > 0 ? std::max(metrics.printerWidth / scaledWidth, 1) : 1;
    layout.verticalScale =
        metrics.screenDpiY > 0 ? std::max(metrics.printerDpiY / metrics.screenDpiY, 1) : 1;
    layout.rowHeight = std::max(metrics.rowHeight, 1);
    layout.page.left = 2 * charWidth;
    layout.page.top = 0;
    layout.page.right = metrics.printerWidth / layout.horizontalScale - 4 * charWidth;
    layout.page.bottom = metrics.printerHeight / layout.verticalScale;
    layout.rowsPerPage =
        std::max(metrics.printerHeight / (layout.rowHeight * layout.verticalScale) - 8, 1);
    layout.rowCount = rowCount;
    layout.pageCount = (rowCount + layout.rowsPerPage - 1) / layout.rowsPerPage;
    return layout;
}

std::optional<PrintedPage> layoutPage(const PrintLayout& layout,
                                      std::span<const PrintColumn> columns,
                                      const PrintCellText& cellText, int page,
                                      const std::string& title, const std::string& dateText) {
    if (page < 1 || page > layout.pageCount) return std::nullopt;
    const PrintRect& area = layout.page;
    const int h = layout.rowHeight;
    PrintedPage printed;

    printed.texts.push_back(
        {{area.left, area.top, area.right, area.top + h}, title, PrintAlign::Right, true, false});

    const int footerTop = area.bottom - 3 * h;
    printed.lines.push_back({area.left, area.right, footerTop});
    const PrintRect footerText{area.left, footerTop + h / 2, area.right, footerTop + h / 2 + h};
    printed.texts.push_back({footerText, std::to_string(page), PrintAlign::Left, false, false});
    printed.texts.push_back({footerText, dateText, PrintAlign::Right, false, false});

    // One band of cells, one per visible column, followed by a line across.
    const auto addBand = [&](int top, const std::function<std::string(int column)>& text) {
        int x = area.left;
        for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
            const int width = columns[static_cast<size_t>(c)].width;
            if (width <= 0) continue;
            printed.texts.push_back(
                {{x, top, x + width, top + h}, text(c), PrintAlign::Left, false, true});
            x += width;
        }
        printed.lines.push_back({area.left, area.right, top + h});
    };

    const int headerTop = area.top + 4 * h;
    addBand(headerTop, [&](int c) { return columns[static_cast<size_t>(c)].header; });

    printed.firstRow = (page - 1) * layout.rowsPerPage;
    printed.endRow = std::min(layout.rowCount, page * layout.rowsPerPage);
    for (int row = printed.firstRow; row < printed.endRow; ++row) {
        addBand(headerTop + (row - printed.firstRow + 1) * h,
                [&](int c) { return cellText(row, c); });
    }
    return printed;
}

std::string printDateText(const std::tm& time) {
    char text[128];
    const size_t length = std::strftime(text, sizeof text, "%H:%M  %A, %B %d, %Y", &time);
    return std::string(text, length);
}

}  // namespace sky
