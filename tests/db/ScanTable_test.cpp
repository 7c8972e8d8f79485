// The DVBv5 scan-table reader over texts of every form it meets, and the satellite and position
// the tables' file names give.

#include "db/scan/ScanTable.h"

#include <gtest/gtest.h>

#include "db/scan/ScanTableFiles.h"

namespace sky {
namespace {

// The transponders as "frequency polarization symbol-rate system modulation @line", one per
// block, or the error.
std::string summary(const ScanTable& table) {
    if (!table.ok()) {
        EXPECT_TRUE(table.transponders.empty());
        return table.error;
    }
    std::string out;
    for (const ScanTransponder& tp : table.transponders) {
        if (!out.empty()) out += "; ";
        out += std::to_string(tp.frequencyMhz) + " " + polarisationLetter(tp.polarisation) + " " +
               std::to_string(tp.symbolRateKs) + " " + deliverySystemName(tp.system) + " " +
               tp.modulation + " @" + std::to_string(tp.line);
    }
    return out;
}

struct ReaderCase {
    const char* what;
    const char* text;
    const char* expected;
};

TEST(ScanTableReader, ReadsTheFormatAndRefusesAWholeTableOverOneFault) {
    const ReaderCase cases[] = {
        {"comments, blank lines, tabs, CR LF, unknown keys and any case",
         "# Astra 19.2E\r\n\r\n[CHANNEL]\r\n\tDELIVERY_SYSTEM = DVBS\r\n\tFREQUENCY = 11836000\r\n"
         "\tPOLARIZATION = HORIZONTAL # high band\r\n\tSYMBOL_RATE = 27500000\r\n"
         "\tINNER_FEC = 3/4\r\n\tINVERSION = AUTO\r\n\r\n[CHANNEL]\n delivery_system=dvbs2\n"
         "Frequency   =   10714250\npolarization = vertical\nsymbol_rate = 22000000\n"
         "modulation = psk/8\nSTREAM_ID = 1\n",
         "11836 H 27500 DVB-S  @3; 10714 V 22000 DVB-S2 PSK/8 @11"},
        {"MHz and kS/s below 100,000, kHz rounded to the nearest MHz",
         "[CHANNEL]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 4090\nPOLARIZATION = V\n"
         "SYMBOL_RATE = 27500\n[CHANNEL]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 11719500\n"
         "POLARIZATION = H\nSYMBOL_RATE = 128000\n",
         "4090 V 27500 DVB-S  @1; 11720 H 128 DVB-S  @6"},
        {"numbers beyond 32 bits stay huge instead of wrapping",
         "[CHANNEL]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 99999999999\nPOLARIZATION = H\n"
         "SYMBOL_RATE = 27500000\n",
         "2147484 H 27500 DVB-S  @1"},
        {"circular polarizations",
         "[CHANNEL]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 3865000\nPOLARIZATION = LEFT\n"
         "SYMBOL_RATE = 13333000\n[CHANNEL]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 3885000\n"
         "POLARIZATION = RIGHT\nSYMBOL_RATE = 13333000\n",
         "3865 L 13333 DVB-S  @1; 3885 R 13333 DVB-S  @6"},
        {"a block without its symbol rate names the block's line",
         "[CHANNEL]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 11836000\nPOLARIZATION = H\n"
         "SYMBOL_RATE = 27500000\n\n[CHANNEL]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 11836000\n"
         "POLARIZATION = H\n",
         "ERROR : Astra-19.2E line 7 : the [CHANNEL] block has no SYMBOL_RATE"},
        {"a malformed frequency",
         "[CHANNEL]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 11836k\nPOLARIZATION = H\n"
         "SYMBOL_RATE = 27500000\n",
         "ERROR : Astra-19.2E line 3 : FREQUENCY \"11836K\" is not a whole positive number"},
        {"a negative symbol rate",
         "[CHANNEL]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 11836000\nPOLARIZATION = H\n"
         "SYMBOL_RATE = -27500000\n",
         "ERROR : Astra-19.2E line 5 : SYMBOL_RATE \"-27500000\" is not a whole positive number"},
        {"a terrestrial system", "[CHANNEL]\nDELIVERY_SYSTEM = DVBT\nFREQUENCY = 474000000\n",
         "ERROR : Astra-19.2E line 2 : DELIVERY_SYSTEM \"DVBT\" is not DVBS or DVBS2"},
        {"an unknown polarization",
         "[CHANNEL]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 11836000\nPOLARIZATION = X\n"
         "SYMBOL_RATE = 27500000\n",
         "ERROR : Astra-19.2E line 4 : POLARIZATION \"X\" is not HORIZONTAL, VERTICAL, LEFT or "
         "RIGHT"},
        {"an empty value", "[CHANNEL]\nFREQUENCY =\n",
         "ERROR : Astra-19.2E line 2 : FREQUENCY has no value"},
        {"a line that is no key and value", "[CHANNEL]\nS 11836000 H 27500000 3/4\n",
         "ERROR : Astra-19.2E line 2 : \"S 11836000 H 27500000 3/4\" is not KEY = VALUE"},
        {"a long line is cut in the message",
         "[CHANNEL]\nxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\n",
         "ERROR : Astra-19.2E line 2 : \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...\" is not "
         "KEY = VALUE"},
        {"a value before any block", "FREQUENCY = 11836000\n[CHANNEL]\n",
         "ERROR : Astra-19.2E line 1 : a value before the first [CHANNEL] header"},
        {"an unclosed header", "[CHANNEL\n",
         "ERROR : Astra-19.2E line 1 : \"[CHANNEL\" is no header"},
        {"no block at all", "# nothing here\n\n",
         "ERROR : Astra-19.2E : no [CHANNEL] block: this is not a scan table"},
    };
    for (const ReaderCase& c : cases) {
        EXPECT_EQ(summary(readScanTable(c.text, "Astra-19.2E")), c.expected) << c.what;
    }
    // Without a file name the message names the line alone.
    EXPECT_EQ(readScanTable("[CHANNEL]\nFREQUENCY =\n").error,
              "ERROR : line 2 : FREQUENCY has no value");
    EXPECT_EQ(readScanTableFile("/nonexistent/Astra-19.2E").error,
              "ERROR : Can't read the scan table /nonexistent/Astra-19.2E");
    EXPECT_EQ(readScanTableFile("/dev/zero").error, "ERROR : Can't read the scan table /dev/zero");
}

TEST(ScanTableFiles, FileNamesGiveTheSatelliteAndItsPosition) {
    const std::vector<ScanTableName> tables = scanTablesOf(
        {"Eutelsat-7.0W", "Astra-19.2E", "Eutelsat-10A-10.0E", "Eutelsat5_5.0W", "AMC10_C-135.0W",
         "Amos-4.0W", ".hidden-1.0E", "README", "Bad-190.0E", "Odd-1.25E", "Thor-5-0.8W"});
    std::vector<std::string> shown;
    for (const ScanTableName& t : tables) {
        shown.push_back(t.file + " = " + t.satellite + " " + positionText(t.positionTenths));
    }
    EXPECT_EQ(shown,
              (std::vector<std::string>{
                  "AMC10_C-135.0W = AMC10_C 135.0 W", "Amos-4.0W = Amos 4.0 W",
                  "Astra-19.2E = Astra 19.2 E", "Bad-190.0E = Bad-190.0E ",
                  "Eutelsat-10A-10.0E = Eutelsat-10A 10.0 E", "Eutelsat-7.0W = Eutelsat 7.0 W",
                  "Eutelsat5_5.0W = Eutelsat5 5.0 W", "Odd-1.25E = Odd-1.25E ", "README = README ",
                  "Thor-5-0.8W = Thor-5 0.8 W"}));
    EXPECT_EQ(parseScanTableName("Astra-19.2E").positionTenths, 192);
    EXPECT_EQ(parseScanTableName("Thor-5-0.8W").positionTenths, -8);

    const ScanTableFolder missing = listScanTables("/nonexistent/dvb-s");
    EXPECT_TRUE(missing.tables.empty());
    EXPECT_EQ(missing.error,
              "There are no scan tables in /nonexistent/dvb-s: the folder does not exist. The "
              "package dtv-scan-tables provides them (apt-get install dtv-scan-tables).");
}

}  // namespace
}  // namespace sky
