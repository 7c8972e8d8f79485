// The order reference of Apply Order on any text, as a number;name list of either view: it is
// read, with at least one row of a view it orders, or refused with a message; never both.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "editor/order/OrderReference.h"
#include "fuzz/FuzzInput.h"
#include "support/RecordingUi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sky;
    const std::string_view text = fuzz::textOf(data, size);
    for (const bool digitalView : {true, false}) {
        test::RecordingUi ui;
        const std::optional<OrderReference> reference =
            readOrderReference(text, "fuzz", digitalView, RuntimeSettings{}, ui);
        if (!reference) {
            if (ui.messages.empty()) fuzz::fail("refused without a message");
            continue;
        }
        const bool rows = (reference->digital && !reference->digital->empty()) ||
                          (reference->analog && !reference->analog->empty());
        if (!rows) fuzz::fail("a reference without rows accepted", ui.messages);
    }
    return 0;
}
