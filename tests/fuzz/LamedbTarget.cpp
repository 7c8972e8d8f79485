// The Enigma2 lamedb reader on any text: see ChannelFileChecks.h. The detected format, read, keeps
// the same promises.

#include <cstddef>
#include <cstdint>

#include "db/channels/ChannelRecord.h"
#include "fuzz/ChannelFileChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sky;
    const std::string_view text = fuzz::textOf(data, size);
    fuzz::checkChannelFile(text, readLamedb(text));
    fuzz::checkChannelFile(text, readChannelFile(text));
    return 0;
}
