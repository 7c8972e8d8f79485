#include "support/CliRunner.h"

#include <sys/wait.h>

#include <cstdlib>

#include "support/TempDir.h"

namespace sky::test {

CliRun runCli(const std::string& arguments, const std::string& folder,
              const std::string& environment) {
    const std::string out = folder + "/cli.stdout";
    const std::string err = folder + "/cli.stderr";
    const std::string command = environment + " " + SKYLISTER_BINARY_DIR + "/tools/skylister-cli " +
                                arguments + " >" + out + " 2>" + err;
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(out), readFile(err)};
}

}  // namespace sky::test
