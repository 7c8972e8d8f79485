#include "editor/export/ExportRows.h"

#include <numeric>

#include "editor/model/NameEncoding.h"

namespace sky {

std::vector<std::size_t> shownColumns(const ShownList& shown) {
    std::vector<std::size_t> columns;
    for (std::size_t column = 0; column < shown.columns().size(); ++column) {
        if (shown.columns()[column].width > 0) columns.push_back(column);
    }
    return columns;
}

std::string exportedCell(const ShownList& shown, std::size_t row, std::size_t column) {
    return utf8Name(shown.cell(row, column));
}

std::vector<std::size_t> allShownRows(const ShownList& shown) {
    std::vector<std::size_t> rows(shown.rowCount());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    return rows;
}

}  // namespace sky
