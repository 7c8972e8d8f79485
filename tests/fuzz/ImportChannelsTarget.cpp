// Import Channels on any file: whatever the readers make of it, importing every row that may be
// ticked (PID channels too) into a small valid list gives a list that passes the check, or is
// refused with the list unchanged.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "compiler/Compile.h"
#include "db/TextWriter.h"
#include "editor/ListFixture.h"
#include "editor/import/ChannelImport.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sky;
    static const TokenArray list = [] {
        test::TestList fixture = test::validList();
        fixture.satellites[1][kSatPositioner] = "192";
        fixture.transponders = {test::transponder("1", "1", "12188")};
        fixture.channels = {test::digital("1", "1", "1", "A")};
        return fixture.tokens();
    }();
    const ChannelFile file = readChannelFile(fuzz::textOf(data, size));
    for (const std::optional<int> satellite : {std::optional<int>(), std::optional<int>(2)}) {
        ChannelImportOptions options;
        options.satellite = satellite;
        options.tickAll = true;
        options.pidChannels = true;
        ChannelImportPreview preview = previewChannelImport(list, file, options);
        TokenArray tokens = list;
        std::string error;
        const std::optional<ChannelImportCounts> added =
            addImportedChannels(tokens, preview, error);
        if (!added) {
            if (tokens != list) fuzz::fail("a refused import changed the list", {error});
            continue;
        }
        std::string failure;
        if (!checkText(channelListText(tokens), 32, failure)) {
            fuzz::fail("an import the check refuses", {failure});
        }
    }
    return 0;
}
