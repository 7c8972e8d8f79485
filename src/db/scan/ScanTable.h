#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sky {

// The initial-scan transponder tables of the DVBv5 tools: Debian's dtv-scan-tables package puts
// one per satellite into /usr/share/dvb/dvb-s (ScanTableFiles.h lists them). They are read here,
// in db beside the channel list's own text format, because reading one needs nothing but text:
// the editor's import rule (src/editor/scan) and skylister-cli both build on this reader.
//
// A table is a text of blocks, each opened by a header in brackets ("[CHANNEL]") and holding
// "KEY = VALUE" lines:
//
//     # Astra 19.2E SDT info service transponder
//     [CHANNEL]
//         DELIVERY_SYSTEM = DVBS2
//         FREQUENCY = 11362000
//         POLARIZATION = HORIZONTAL
//         SYMBOL_RATE = 22000000
//         MODULATION = PSK/8
//
// "#" starts a comment to the line's end; blank lines, the spaces around keys, values and "=",
// the letter case of keys and of the words DVBS, HORIZONTAL and so on, and keys the import has no
// use for (INNER_FEC, INVERSION, ROLLOFF, STREAM_ID, PLS_CODE...) are all allowed. Lines may end
// in LF or CR LF.
//
// Every block must give DELIVERY_SYSTEM (DVBS or DVBS2), FREQUENCY, POLARIZATION (HORIZONTAL,
// VERTICAL, LEFT, RIGHT, or their first letters) and SYMBOL_RATE as whole positive numbers.
// FREQUENCY is in kHz as the format writes it; a few tables give MHz instead, so a value below
// 100,000 is read as MHz (no satellite frequency in kHz is that low). SYMBOL_RATE is in
// symbols/s; a value below 100,000 is likewise read as kS/s. Both are rounded to whole MHz and
// kS/s, the units of the channel list.

enum class ScanPolarisation { Horizontal, Vertical, Left, Right };
enum class DeliverySystem { DvbS, DvbS2 };

// One block of a table.
struct ScanTransponder {
    int frequencyMhz = 0;
    ScanPolarisation polarisation = ScanPolarisation::Horizontal;
    int symbolRateKs = 0;  // kS/s
    DeliverySystem system = DeliverySystem::DvbS;
    std::string modulation;  // as written, upper case ("QPSK", "PSK/8"); empty when not given
    int line = 0;            // the 1-based line of the block's header
};

// A table read whole, or the reason it was not: a missing key or a malformed value or line
// gives `error` naming the file (when the caller named it) and the line, and no transponders at
// all, so that nothing of a faulty table is imported.
struct ScanTable {
    std::vector<ScanTransponder> transponders;
    std::string error;

    bool ok() const { return error.empty(); }
};

// Reads a table's text. `fileName` names it in messages ("Astra-19.2E line 12 : ...").
ScanTable readScanTable(std::string_view text, std::string_view fileName = {});

// Reads the table file at `path` (named in messages by its file name); a file that cannot be read
// gives an error saying so.
ScanTable readScanTableFile(const std::string& path);

// "H", "V", "L" or "R".
char polarisationLetter(ScanPolarisation polarisation);
// "DVB-S" or "DVB-S2".
const char* deliverySystemName(DeliverySystem system);

}  // namespace sky
