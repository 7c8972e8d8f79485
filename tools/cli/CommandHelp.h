#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sky::cli {

// One command's usage, taken from its entry in the usage text: the synopsis after "Usage:", what
// the command does, and the notes that hold for every command. Nothing for a name the usage text
// has no entry for.
std::optional<std::string> commandUsage(std::string_view command);

// Answers "--help", "help [COMMAND]" and "COMMAND --help" (or -h anywhere after the command) on
// the words after the program's name, returning the exit status; nothing for the words of a run,
// which the command reads itself.
std::optional<int> answerHelp(const std::vector<std::string>& words);

}  // namespace sky::cli
