#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "editor/view/ShownList.h"

namespace sky {

// The field separators a CSV file may use: the comma, or the semicolon for spreadsheets of
// locales whose decimal mark is the comma.
enum class CsvSeparator : char { Comma = ',', Semicolon = ';' };

// Appends one CSV field: quoted (with its quotes doubled) when it holds the separator, a double
// quote, CR or LF, or begins or ends with a blank, which a spreadsheet would otherwise drop.
void appendCsvField(std::string& out, std::string_view field, CsvSeparator separator);

// The CSV text (UTF-8, CRLF line ends) of the shown columns of a view: their headers, then the
// given shown rows (rows past the end are left out).
std::string listCsv(const ShownList& shown, const std::vector<std::size_t>& rows,
                    CsvSeparator separator);

}  // namespace sky
