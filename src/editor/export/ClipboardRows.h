#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "editor/view/ShownList.h"

namespace sky {

// Rows as the clipboard carries them: plain text for editors and spreadsheets, HTML for rich
// text (word processors, mail).
struct ClipboardRows {
    // The headers of the shown columns, then one line a row; cells separated by tabs, with any
    // tab, CR or LF inside a cell written as a space; lines end with LF.
    std::string text;
    // The same rows as an HTML table.
    std::string html;
};

ClipboardRows clipboardRows(const ShownList& shown, const std::vector<std::size_t>& rows);

}  // namespace sky
