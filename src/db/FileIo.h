#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sky {

// Reads a whole file; nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string& path);

// Writes a whole file (creating or truncating it) and checks every write and the close.
bool writeWholeFile(const std::string& path, std::string_view data, bool append = false);

}  // namespace sky
