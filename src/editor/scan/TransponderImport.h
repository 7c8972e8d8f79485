#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/TokenArray.h"
#include "db/scan/ScanTable.h"
#include "editor/document/ListDocument.h"

namespace sky {

// Import Transponders: the transponders of a DVBv5 scan table (db/scan/ScanTable.h) become
// [DIGITAL TP] rows of one satellite of the list.
//
// A preview dialog reads the tables (listScanTables(), readScanTableFile()), lets the user pick a
// table and a satellite of the list, calls previewImport() and shows one row per transponder
// with its cells, its tick box (enabled where canTick()), its status and note. A click on a tick
// box calls setTicked(); OK calls importTransponders(), which adds the ticked rows as one step
// of Undo ("Undo (n - Import Transponders)") and shows any refusal in a box.
//
// What the receiver's [DIGITAL TP] row can hold decides which rows may be imported:
//  - a frequency of 4 or 5 digits in MHz and a symbol rate of 4 or 5 digits in kS/s (the
//    compiler's check); others are refused with the reason;
//  - a polarization of H or V. A circular table's LEFT is taken as H and RIGHT as V, the LNB
//    voltages a receiver selects them with (18 V for horizontal and left, 13 V for vertical and
//    right), with a note saying so; the satellite needs the LO frequency of a circular LNB;
//  - no delivery system: the row cannot say that a transponder is DVB-S2, and a receiver of this
//    list format tunes DVB-S. DVB-S2 rows are therefore shown unticked with the reason; the user
//    may tick them (a receiver that tunes DVB-S2 on the same row would take them).
// A transponder already in the list (the same satellite, polarization and symbol rate and a
// frequency at most 2 MHz away) is shown unticked, "already in the list", and names the D_TP
// Index it matched. A transponder the table gives twice is taken once, a DVB-S row before a
// DVB-S2 one; the other row is "repeated in the table" and names the line taken. Such rows and
// refused rows cannot be ticked.

// The undo entry of the import.
inline constexpr const char* kImportTranspondersLabel = "Import Transponders";

// Frequencies this close (in MHz) name one transponder, as tables and lists round differently.
inline constexpr int kPresentDistanceMhz = 2;

// A section of the list holds at most this many rows.
inline constexpr std::size_t kMaxTransponderRows = 20000;

enum class ImportStatus {
    New,       // ticked: will be added
    DvbS2,     // unticked, may be ticked: the receiver may not tune it
    Present,   // unticked: already in the list
    Repeated,  // unticked: another row of the table is the same transponder
    Refused,   // unticked: the list's row cannot hold it
};

// One transponder of the table as the preview shows it.
struct ImportRow {
    ScanTransponder source;
    // The cells the row gets in the list: "11362", "22000", "H" or "V". For a refused row they
    // show the values as read.
    std::string frequency;
    std::string symbolRate;
    std::string polarisation;
    ImportStatus status = ImportStatus::New;
    bool ticked = false;
    // Why the row is not ticked, or what was changed in taking it (circular polarization);
    // empty for a plain new row.
    std::string note;
    // For a Present row: the D_TP Index of the list's transponder it matches.
    std::string presentAs;
};

// What the preview dialog shows and what the import adds.
struct ImportPreview {
    int satellite = 0;    // the Index of the chosen [SATELLITE] row
    std::string bouquet;  // the comment the new rows get
    std::vector<ImportRow> rows;
    // Why there is no preview (the list has no such satellite); empty otherwise.
    std::string error;

    std::size_t tickedCount() const;
};

// A satellite of the list the rows may go to, as the preview dialog offers it.
struct ImportSatellite {
    int index = 0;     // its [SATELLITE] Index
    std::string name;  // its name cell
};

// The list's [SATELLITE] rows, in the list's order; rows without a numeric Index are left out.
std::vector<ImportSatellite> importSatellites(const TokenArray& tokens);

// The preview of importing `transponders` to the satellite whose [SATELLITE] Index is
// `satellite`, the new rows commented `bouquet` (see importBouquet()).
ImportPreview previewImport(const TokenArray& tokens, int satellite,
                            const std::vector<ScanTransponder>& transponders,
                            std::string_view bouquet);

// Whether the user may tick the row (New and DVB-S2 rows).
bool canTick(const ImportRow& row);
// Ticks or unticks a row; false (and no change) for a row that cannot be ticked.
bool setTicked(ImportPreview& preview, std::size_t row, bool ticked);

// The comment of imported rows from a table's satellite name (UTF-8, converted to the list's
// 8-bit text by listName()): at most 13 characters (what the receiver keeps of a comment),
// without the characters the list file cannot keep in a name (double quote, "#", "~", control
// characters), or "Import" when nothing is left.
std::string importBouquet(std::string_view satelliteName);

// Adds the preview's ticked rows at the end of the [DIGITAL TP] section, numbered on from the
// largest D_TP Index, in the order of the table. Nothing else in the array changes. Returns the
// number of rows added, or nothing with the array unchanged and `error` set when the rows cannot
// be added: the section would pass kMaxTransponderRows rows or its largest Index 65535, the list
// has no [DIGITAL TP] section, or the list changed since the preview (the satellite is gone or a
// ticked row is now in the list).
std::optional<std::size_t> addImportedTransponders(TokenArray& tokens, const ImportPreview& preview,
                                                   std::string& error);

// The import as an edit of the document: records the undo entry "Import Transponders", adds the
// ticked rows with addImportedTransponders(), marks the list modified and refreshes it. A
// refusal is shown in a box and leaves no undo entry. Nothing happens to a document that is
// locked by a transfer or has no list. Returns the number of rows added.
std::size_t importTransponders(ListDocument& document, const ImportPreview& preview);

// Whether a frequency (MHz) or symbol rate (kS/s) fits the list's field of 4 or 5 digits.
bool fitsListDigits(int value);

// The polarization letter a list row gets for a table's polarization: H or V, a circular LEFT
// taken as H and RIGHT as V (the LNB voltages a receiver selects them with).
char listPolarisation(ScanPolarisation polarisation);

// The status as the preview's column and skylister-cli name it: "new", "DVB-S2",
// "already in the list", "repeated in the table", "cannot be taken".
const char* importStatusText(ImportStatus status);

}  // namespace sky
