#include "Arguments.h"

#include <cstdio>

#include "Commands.h"

namespace sky::cli {

bool Arguments::parse(const std::vector<std::string>& args, const std::set<std::string>& switches,
                      const std::set<std::string>& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // A command may declare a short option (-o) as well as the long ones.
        if (switches.count(arg) != 0) {
            switches_.insert(arg);
        } else if (options.count(arg) != 0) {
            if (i + 1 >= args.size()) {
                error_ = "option " + arg + " needs a value";
                return false;
            }
            values_[arg] = args[++i];
        } else if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            positional_.push_back(arg);
        } else {
            error_ = "unknown option " + arg;
            return false;
        }
    }
    return true;
}

bool Arguments::has(const std::string& name) const {
    return switches_.count(name) != 0;
}

std::optional<std::string> Arguments::value(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

int usageError(const std::string& reason) {
    std::fprintf(stderr, "skylister-cli: %s\n\n%s", reason.c_str(), usageText());
    return kUsage;
}

std::optional<Arguments> listArguments(const std::vector<std::string>& args,
                                       const std::set<std::string>& options,
                                       const std::set<std::string>& switches, std::size_t files,
                                       const char* expected) {
    std::set<std::string> allSwitches = switches;
    allSwitches.insert("--sat40");
    Arguments parsed;
    if (!parsed.parse(args, allSwitches, options)) {
        usageError(parsed.error());
        return std::nullopt;
    }
    if (parsed.positional().size() != files) {
        usageError(expected);
        return std::nullopt;
    }
    return parsed;
}

RuntimeSettings listSettings(const Arguments& args) {
    RuntimeSettings settings;
    settings.maxSatellite40 = args.has("--sat40");
    return settings;
}

}  // namespace sky::cli
