#include "editor/export/ClipboardRows.h"

#include "editor/export/ExportRows.h"
#include "editor/export/HtmlExport.h"

namespace sky {

namespace {

// A cell on one line of tab-separated text.
void appendTabField(std::string& out, std::string_view field) {
    for (char c : field) out += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
}

}  // namespace

ClipboardRows clipboardRows(const ShownList& shown, const std::vector<std::size_t>& rows) {
    const std::vector<std::size_t> columns = shownColumns(shown);
    ClipboardRows copied;
    const auto appendLine = [&](auto cellOf) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i > 0) copied.text += '\t';
            appendTabField(copied.text, cellOf(columns[i]));
        }
        copied.text += '\n';
    };
    appendLine(
        [&](std::size_t column) { return std::string_view(shown.columns()[column].header); });
    for (std::size_t row : rows) {
        if (row >= shown.rowCount()) continue;
        appendLine([&](std::size_t column) { return exportedCell(shown, row, column); });
    }
    copied.html = listHtmlTable(shown, rows);
    return copied;
}

}  // namespace sky
