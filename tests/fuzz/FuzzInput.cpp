#include "fuzz/FuzzInput.h"

#include <cstdio>
#include <cstdlib>

namespace sky::fuzz {

void fail(const std::string& what, const std::vector<std::string>& messages) {
    std::fprintf(stderr, "\n*** %s\n", what.c_str());
    for (const std::string& message : messages) {
        std::fprintf(stderr, "  message: %s\n", message.c_str());
    }
    std::fflush(stderr);
    std::abort();
}

}  // namespace sky::fuzz
