// The DVBv5 channel file reader on any text: see ChannelFileChecks.h. The detected format, read,
// keeps the same promises.

#include <cstddef>
#include <cstdint>

#include "db/channels/ChannelRecord.h"
#include "fuzz/ChannelFileChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sky;
    const std::string_view text = fuzz::textOf(data, size);
    fuzz::checkChannelFile(text, readDvbV5Channels(text));
    fuzz::checkChannelFile(text, readChannelFile(text));
    return 0;
}
