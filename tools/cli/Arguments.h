#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/RuntimeSettings.h"

namespace sky::cli {

// The arguments of one command: positional words, switches (--sat40) and options with a value
// (--mode basic). Anything not declared by the command is an error.
class Arguments {
public:
    // Parses args; false (with the reason in error()) on an unknown switch or a missing value.
    bool parse(const std::vector<std::string>& args, const std::set<std::string>& switches,
               const std::set<std::string>& options);

    const std::vector<std::string>& positional() const { return positional_; }
    bool has(const std::string& name) const;
    std::optional<std::string> value(const std::string& name) const;
    const std::string& error() const { return error_; }

private:
    std::vector<std::string> positional_;
    std::set<std::string> switches_;
    std::map<std::string, std::string> values_;
    std::string error_;
};

// Prints "skylister-cli: <reason>" and the usage text on standard error; returns the usage status.
int usageError(const std::string& reason);

// Parses "COMMAND LIST.txt [--sat40]" plus the command's own switches and options; nothing after
// wrong usage, which has been reported. A command on two files (LIST.txt and another) gives
// `files` 2 and says what it expects in `expected`.
std::optional<Arguments> listArguments(const std::vector<std::string>& args,
                                       const std::set<std::string>& options = {},
                                       const std::set<std::string>& switches = {},
                                       std::size_t files = 1,
                                       const char* expected = "expected one channel-list file");

// The run-time settings a list command's arguments ask for (--sat40).
RuntimeSettings listSettings(const Arguments& args);

}  // namespace sky::cli
