#pragma once

#include <string>

namespace sky::test {

// What a run of skylister-cli gave: its exit status and what it printed.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs skylister-cli with the arguments (a shell word list), capturing its output in files of the
// given folder. `environment` is put before the command, e.g. "XDG_RUNTIME_DIR=/tmp/x".
CliRun runCli(const std::string& arguments, const std::string& folder,
              const std::string& environment = {});

}  // namespace sky::test
