#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "editor/view/ShownList.h"

namespace sky {

// Appends a text with & < > " ' written as character references.
void appendHtmlEscaped(std::string& out, std::string_view text);

// An HTML table of the shown columns of a view: their headers in <thead>, the given shown rows
// (rows past the end left out) in <tbody>.
std::string listHtmlTable(const ShownList& shown, const std::vector<std::size_t>& rows);

// One self-contained UTF-8 page: the title names the list's file and the date given, a small
// style that also prints well, and the table of the given rows.
std::string listHtmlPage(const ShownList& shown, const std::vector<std::size_t>& rows,
                         std::string_view listPath, std::string_view date);

}  // namespace sky
