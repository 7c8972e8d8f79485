// The check on any text: it gives its verdict and says nothing when it accepts.

#include <cstddef>
#include <cstdint>
#include <string>

#include "compiler/Compile.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sky;
    for (const int names : {32, 40}) {
        std::string failure;
        // Only an acceptance is held to silence: a repeated A_TP Index is refused without a
        // message, as it always has been.
        if (checkText(fuzz::textOf(data, size), names, failure) && !failure.empty()) {
            fuzz::fail("accepted with a message", {failure});
        }
    }
    return 0;
}
