// Open and save of a list the check accepts: the saved text passes the check and opens to the
// same rows, and saving it again writes the same bytes; or Open refuses the list and says why.

#include <cstddef>
#include <cstdint>
#include <string>

#include "compiler/Compile.h"
#include "fuzz/FuzzInput.h"
#include "support/RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sky;
    const std::string_view text = fuzz::textOf(data, size);
    std::string failure;
    if (!checkText(text, 32, failure)) return 0;
    const RuntimeSettings settings;
    bool refused = false;
    const std::string fault = test::roundTripFault(text, settings, refused);
    if (!fault.empty()) fuzz::fail(fault);
    return 0;
}
