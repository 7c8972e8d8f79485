#pragma once

#include <string>

#include "shell/commands/FileCommandContext.h"

namespace sky {

enum class ExportFormat { Csv, Html };

// Export CSV and Export HTML, reading the list only: asks whether only the selected rows go (when
// more than one is selected), picks a new file (for CSV the filter says comma or semicolon
// separated) and writes the shown columns of the view as it is shown, the file replaced only once
// complete. The list's own file and its compiled files are refused. `date` is the day the HTML
// page names. Returns whether the file was written.
bool exportList(FileCommandContext context, ExportFormat format, const std::string& date);

// "1 row", "12 rows".
std::string rowCount(std::size_t rows);

}  // namespace sky
