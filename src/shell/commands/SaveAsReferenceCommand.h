#pragma once

#include "shell/commands/FileCommandContext.h"

namespace sky {

// Save as Reference: writes the order of the channel view shown as a number;name file, replaced
// only once complete; the list's own file is refused. Returns whether the file was written.
bool saveAsReference(FileCommandContext context);

}  // namespace sky
