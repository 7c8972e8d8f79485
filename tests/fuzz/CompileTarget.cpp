// A list the check accepts compiles in the Basic and the Normal layout, and each image converts
// into a download file.

#include <cstddef>
#include <cstdint>
#include <string>

#include "listdb/ListDB.h"
#include "fuzz/FuzzInput.h"
#include "support/RecordingUi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sky;
    const std::string path = fuzz::writeList(data, size);
    const RuntimeSettings settings;
    test::RecordingUi ui;
    CListDB db(settings, ui, path);
    if (!fuzz::passesCheck(db)) return 0;
    for (const CompileMode mode : {CompileMode::Basic, CompileMode::Normal}) {
        const std::string layout = mode == CompileMode::Basic ? "Basic" : "Normal";
        if (!db.Compile(mode)) fuzz::fail("the " + layout + " compile fails", ui.messages);
        if (!db.ConvertImage()) {
            fuzz::fail("the " + layout + " image does not convert", ui.messages);
        }
    }
    return 0;
}
