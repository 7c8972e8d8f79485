#include "CommandHelp.h"

#include <algorithm>
#include <cstdio>

#include "Arguments.h"
#include "Commands.h"

namespace sky::cli {

namespace {

// The usage text's columns: a command's entry starts at kEntryIndent, the description of each
// entry at kDescriptionColumn.
constexpr std::size_t kEntryIndent = 2;
constexpr std::size_t kDescriptionColumn = 35;
constexpr std::string_view kUsagePrefix = "Usage: skylister-cli ";

bool isHelpSwitch(const std::string& word) {
    return word == "--help" || word == "-h";
}

// The lines of the command's entry: the line that starts with its name and the lines indented
// deeper that follow it.
std::vector<std::string_view> entryLines(std::string_view text, std::string_view command) {
    std::vector<std::string_view> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        const bool continues = line.find_first_not_of(' ') > kEntryIndent;
        if (!lines.empty()) {
            if (!continues || line.empty()) break;
            lines.push_back(line);
        } else if (line.size() > kEntryIndent && line.find_first_not_of(' ') == kEntryIndent &&
                   line.substr(kEntryIndent, command.size()) == command &&
                   (line.size() == kEntryIndent + command.size() ||
                    line[kEntryIndent + command.size()] == ' ')) {
            lines.push_back(line);
        }
    }
    return lines;
}

}  // namespace

std::optional<std::string> commandUsage(std::string_view command) {
    if (command.empty() || command.front() == '-') return std::nullopt;
    const std::string_view text = usageText();
    const std::vector<std::string_view> lines = entryLines(text, command);
    if (lines.empty()) return std::nullopt;
    std::string synopsis;
    std::string description;
    for (const std::string_view line : lines) {
        const std::size_t indent = line.find_first_not_of(' ');
        if (indent >= kDescriptionColumn) {
            description.append(line.substr(indent)).push_back('\n');
            continue;
        }
        // A synopsis line, perhaps with the description's first words after a gap. The lines
        // under the first line go under its first argument.
        const std::size_t gap = line.find("  ", indent);
        const std::string_view words = line.substr(indent, gap - indent);
        if (synopsis.empty()) {
            synopsis.append(kUsagePrefix).append(words);
        } else {
            synopsis.append(kUsagePrefix.size() + command.size() + 1, ' ').append(words);
        }
        synopsis.push_back('\n');
        if (gap != std::string_view::npos) {
            const std::size_t start = line.find_first_not_of(' ', gap);
            if (start != std::string_view::npos)
                description.append(line.substr(start)).push_back('\n');
        }
    }
    // The notes on every command close the usage text, after its last empty line.
    const std::string_view notes = text.substr(text.rfind("\n\n") + 2);
    std::string usage = synopsis;
    if (!description.empty()) usage.append("\n").append(description);
    return usage.append("\n").append(notes);
}

std::optional<int> answerHelp(const std::vector<std::string>& words) {
    if (words.empty()) return std::nullopt;
    if (isHelpSwitch(words[0]) || (words[0] == "help" && words.size() == 1)) {
        std::fputs(usageText(), stdout);
        return kSuccess;
    }
    if (words[0] == "help") {
        if (words.size() > 2) return usageError("help takes one command");
        // "help --help" asks for the usage of help itself.
        const std::string& command = isHelpSwitch(words[1]) ? words[0] : words[1];
        const std::optional<std::string> usage = commandUsage(command);
        if (!usage) return usageError("unknown command '" + command + "'");
        std::fputs(usage->c_str(), stdout);
        return kSuccess;
    }
    if (std::none_of(words.begin() + 1, words.end(), isHelpSwitch)) return std::nullopt;
    const std::optional<std::string> usage = commandUsage(words[0]);
    if (!usage) return std::nullopt;
    std::fputs(usage->c_str(), stdout);
    return kSuccess;
}

}  // namespace sky::cli
