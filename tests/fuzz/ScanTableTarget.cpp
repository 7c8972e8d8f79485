// The scan-table reader of Import Transponders on any text: a table is read whole or refused
// with a message naming the line, never both; each transponder has its tuning in MHz and kS/s
// and names a line of the text.

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "db/scan/ScanTable.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sky;
    const std::string_view text = fuzz::textOf(data, size);
    const ScanTable table = readScanTable(text, "fuzz");
    if (table.ok() == table.transponders.empty()) {
        fuzz::fail(table.ok() ? "an empty table accepted" : "transponders with an error",
                   {table.error});
    }
    if (!table.ok() && table.error.rfind("ERROR : fuzz", 0) != 0) {
        fuzz::fail("an error that does not name the table", {table.error});
    }
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    for (const ScanTransponder& tp : table.transponders) {
        if (tp.frequencyMhz <= 0 || tp.symbolRateKs <= 0 || tp.line < 1 || tp.line > lines) {
            fuzz::fail("a transponder without its tuning or line");
        }
    }
    return 0;
}
