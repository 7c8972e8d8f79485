// The check on any text: it gives its verdict, shows nothing when it accepts, and leaves no file.

#include <cstddef>
#include <cstdint>

#include "listdb/ListDB.h"
#include "fuzz/FuzzInput.h"
#include "support/RecordingUi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sky;
    const std::string path = fuzz::writeList(data, size);
    const RuntimeSettings settings;
    test::RecordingUi ui;
    CListDB db(settings, ui, path);
    // Only an acceptance is held to silence: a repeated A_TP Index is refused without a message,
    // as it always has been.
    if (fuzz::passesCheck(db) && !ui.messages.empty()) {
        fuzz::fail("accepted with a message", ui.messages);
    }
    if (db.path != path) fuzz::fail("the check moved the list to " + db.path);
    if (fuzz::filesBeside() != std::vector<std::string>{"list.txt"}) {
        fuzz::fail("the check left a file beside the list");
    }
    return 0;
}
