#pragma once

#include <QFont>
#include <string>
#include <vector>

#include "editor/print/PrintLayout.h"

namespace sky::app {

// What a print of the list takes from the window when it starts: the columns in display order
// with their widths as shown (0 for a hidden column), the rows and their cells, the list's font
// sized in screen pixels, the row height and vertical resolution of the screen, the window's
// title and the date text.
struct PrintSource {
    std::vector<PrintColumn> columns;
    int rowCount = 0;
    PrintCellText cellText;
    QFont font;
    int rowHeight = 0;
    int screenDpiY = 0;
    std::string title;
    std::string dateText;
};

}  // namespace sky::app
