// Open and save of a list the check accepts: the saved file passes the check and opens to the same
// rows, and saving it again writes the same bytes; or Open refuses the list and says why.

#include <cstddef>
#include <cstdint>

#include "listdb/ListDB.h"
#include "fuzz/FuzzInput.h"
#include "support/RecordingUi.h"
#include "support/RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sky;
    const std::string path = fuzz::writeList(data, size);
    const RuntimeSettings settings;
    test::RecordingUi ui;
    CListDB db(settings, ui, path);
    if (!fuzz::passesCheck(db)) return 0;
    bool refused = false;
    const std::string fault = test::roundTripFault(path, settings, refused);
    if (!fault.empty()) fuzz::fail(fault);
    return 0;
}
