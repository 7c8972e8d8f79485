#pragma once

#include <optional>

#include "app/print/PrintSource.h"
#include "editor/print/PrintLayout.h"

class QPainter;
class QPrinter;

namespace sky::app {

// Draws the print layout of a list on a printer, page by page: one list pixel becomes the
// layout's horizontal by vertical scale in printer dots; the cells and the footer are drawn in
// the list's font, the title in the title font made from it, in black on white.
class PagePainter {
public:
    explicit PagePainter(PrintSource source);

    // The layout of the list on the printer's page as set up now; nothing for an empty list.
    std::optional<PrintLayout> layoutFor(const QPrinter& printer) const;
    // Prints every page. False when the printer could not be started or failed on the way (a PDF
    // file that cannot be written, a printer that went away).
    bool print(QPrinter& printer) const;

private:
    void drawPage(QPainter& painter, const PrintedPage& page) const;

    PrintSource source_;
    QFont titleFont_;
};

}  // namespace sky::app
