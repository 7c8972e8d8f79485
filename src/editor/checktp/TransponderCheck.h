#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "db/TokenArray.h"
#include "db/scan/ScanTable.h"
#include "db/scan/ScanTableFiles.h"
#include "editor/tuning/LnbTuning.h"

namespace sky {

// Check Transponders: each satellite's [DIGITAL TP] rows against the installed scan tables
// (db/scan), and against what the satellite's LNB can receive (editor/tuning).
//
// A satellite is checked against the table the user chose for it, or else the table whose file
// name gives its orbital position (its Posotioner, at most 0.1 degree apart); where several
// tables give that position, the one that holds most of the satellite's transponders. A list
// transponder is the table's when the table has one of the same polarization at most
// kPresentDistanceMhz away (a circular LEFT taken as H and RIGHT as V, as Import Transponders
// takes them). The check only reads the list; its repairs are ticked by the user and applied by
// editor/checktp/CheckRepair.h.

enum class TpVerdict {
    Same,               // frequency, symbol rate and polarization as in the table
    NowDvbS2,           // the table's transponder is DVB-S2
    SymbolRateDiffers,  // the table gives another symbol rate
    FrequencyDiffers,   // the table's frequency is 1 or 2 MHz away
    NotInTable,         // the table has no such transponder
};

// One [DIGITAL TP] row of a checked satellite.
struct CheckedTransponder {
    std::size_t row = 0;  // the row's place in the [DIGITAL TP] section, from 0
    std::string index;    // its D_TP Index cell
    int frequencyMhz = 0;
    int symbolRateKs = 0;
    char polarisation = 'H';
    std::size_t channels = 0;  // digital and PID channels on it
    TpVerdict verdict = TpVerdict::Same;
    std::optional<ScanTransponder> table;  // the table's transponder it was matched with
    // Whether the user ticked its repair (canRepair()): take the table's frequency and symbol
    // rate, or, for a DVB-S2 transponder, delete its channels.
    bool ticked = false;
};

// A transponder whose IF the tuner cannot take.
struct TuningFlag {
    std::string index;  // D_TP Index
    int frequencyMhz = 0;
    char polarisation = 'H';
    TuningResult tuning;
};

struct SatelliteCheck {
    int satellite = 0;  // [SATELLITE] Index
    std::string name;   // as the list writes it
    std::optional<int> positionTenths;
    std::optional<LnbSetting> lnb;
    bool lnbSwapped = false;
    std::vector<TuningFlag> tuningFlags;

    // The table checked against; empty when the satellite has none (or only the LNB was
    // checked).
    std::string tablePath;
    std::string tableFile;
    std::string tableDate;
    std::string tableError;    // the table could not be read
    bool tableChosen = false;  // by the user rather than by position
    std::size_t tableTransponders = 0;
    std::vector<CheckedTransponder> transponders;
    // The table's DVB-S transponders no list transponder of the satellite matches, of those the
    // list's rows can hold.
    std::vector<ScanTransponder> missing;

    bool hasTable() const { return !tablePath.empty() && tableError.empty(); }
    // The table holds fewer than a quarter of the list's transponders on the satellite: it may
    // be a table that only starts a network scan.
    bool fewInTable() const { return hasTable() && tableTransponders * 4 < transponders.size(); }
    // Transponders found different from the table (those not in a table that holds few are not
    // counted), the tuning flags, and swapped LO fields.
    std::size_t flagged() const;
};

struct CheckOptions {
    // Only this satellite (its Index); every satellite otherwise.
    std::optional<int> satellite;
    // Tables the user chose, by satellite name as the list writes it: a table file's path.
    std::map<std::string, std::string> chosenTables;
    // Only the tuning check, without tables.
    bool lnbOnly = false;
};

struct TransponderCheck {
    std::vector<SatelliteCheck> satellites;
    std::string error;  // e.g. the satellite asked for is not in the list

    std::size_t flagged() const;
};

// Reads and keeps the tables a check looks at, so that a table several satellites share is read
// once, and gives each table's date.
class ScanTableShelf {
public:
    explicit ScanTableShelf(ScanTableFolder folder) : folder_(std::move(folder)) {}

    const ScanTableFolder& folder() const { return folder_; }
    const ScanTable& table(const std::string& path);
    const std::string& date(const std::string& path);

private:
    ScanTableFolder folder_;
    std::map<std::string, ScanTable> tables_;
    std::map<std::string, std::string> dates_;
    std::string packageDate_;
    bool packageDateRead_ = false;
};

// The tables of the folder whose file names give the position, at most 0.1 degree apart.
std::vector<const ScanTableName*> tablesAtPosition(const ScanTableFolder& folder, int tenths);

TransponderCheck checkTransponders(const TokenArray& tokens, ScanTableShelf& shelf,
                                   const CheckOptions& options);

// Whether the row has a repair to tick: a symbol rate or frequency to take from the table, or
// channels of a DVB-S2 transponder to delete.
bool canRepair(const CheckedTransponder& tp);

// The verdict as the result window and skylister-cli say it: "the same", "now DVB-S2",
// "symbol rate differs", "frequency differs", "not in the table".
const char* verdictText(TpVerdict verdict);
// The row's detail: "now DVB-S2 (3 channels)", "symbol rate 27500 in the list, 30000 in the
// table", "11495 MHz in the list, 11494 MHz in the table", "not in the table of 2019-09-25".
std::string verdictDetail(const CheckedTransponder& tp, const std::string& tableDate);
// The table line of a satellite: "Astra-19.2E of 2019-09-25, 101 transponders", with the
// warning when it holds few, or why there is none.
std::string tableSummary(const SatelliteCheck& satellite);

}  // namespace sky
