#include "editor/export/CsvExport.h"

#include "editor/export/ExportRows.h"

namespace sky {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool needsQuotes(std::string_view field, char separator) {
    if (field.empty()) return false;
    if (isBlank(field.front()) || isBlank(field.back())) return true;
    return field.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string_view::npos;
}

}  // namespace

void appendCsvField(std::string& out, std::string_view field, CsvSeparator separator) {
    if (!needsQuotes(field, static_cast<char>(separator))) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

std::string listCsv(const ShownList& shown, const std::vector<std::size_t>& rows,
                    CsvSeparator separator) {
    const std::vector<std::size_t> columns = shownColumns(shown);
    std::string out;
    // About a dozen bytes a cell keeps the text from growing by copies.
    out.reserve((rows.size() + 1) * columns.size() * 12);
    const auto appendLine = [&](auto cellOf) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i > 0) out += static_cast<char>(separator);
            appendCsvField(out, cellOf(columns[i]), separator);
        }
        out += "\r\n";
    };
    appendLine(
        [&](std::size_t column) { return std::string_view(shown.columns()[column].header); });
    for (std::size_t row : rows) {
        if (row >= shown.rowCount()) continue;
        appendLine([&](std::size_t column) { return exportedCell(shown, row, column); });
    }
    return out;
}

}  // namespace sky
