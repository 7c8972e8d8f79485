#pragma once

#include "shell/commands/FileCommandContext.h"

namespace sky {

// Copy: the selected rows of the view shown as tab-separated text and as an HTML table on the
// window's clipboard. Returns the rows copied.
std::size_t copySelectedRows(FileCommandContext context);

}  // namespace sky
