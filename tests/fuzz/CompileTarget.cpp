// A list the check accepts compiles in the Basic and the Normal layout, and each image converts
// into a download file.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "compiler/Compile.h"
#include "compiler/PacketConverter.h"
#include "fuzz/FuzzInput.h"
#include "support/RecordingUi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sky;
    const std::string_view text = fuzz::textOf(data, size);
    std::string failure;
    if (!checkText(text, 32, failure)) return 0;
    for (const CompileMode mode : {CompileMode::Basic, CompileMode::Normal}) {
        const std::string layout = mode == CompileMode::Basic ? "Basic" : "Normal";
        const std::optional<std::string> hex = compileText(text, {mode, false, 32}, failure);
        if (!hex) fuzz::fail("the " + layout + " compile fails", {failure});
        test::RecordingUi ui;
        if (!buildDownloadFile(*hex, ui)) {
            fuzz::fail("the " + layout + " image does not convert", ui.messages);
        }
    }
    return 0;
}
