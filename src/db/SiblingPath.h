#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sky {

// Files beside a channel list base.txt are reached by replacing its ".txt" (or ".TXT") with
// another extension. Only the extension at the end of the path is replaced, so a folder whose
// name holds ".txt" is left alone. Returns nothing for a path that does not end in ".txt" or
// ".TXT".
std::optional<std::string> siblingPath(const std::string& path, std::string_view extension);

// The message shown when a path has no ".txt" to replace.
std::string notTextPathMessage(const std::string& path);

}  // namespace sky
