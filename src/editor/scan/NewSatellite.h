#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/TokenArray.h"
#include "db/scan/ScanTable.h"
#include "db/scan/ScanTableFiles.h"
#include "editor/document/ListDocument.h"
#include "editor/scan/TransponderImport.h"
#include "editor/tuning/LnbTuning.h"

namespace sky {

// A [SATELLITE] row for the satellite of a scan table, for an import into a list that lacks it.
struct NewSatellite {
    // The lowest Index from 0 to 49 that neither a [SATELLITE] row nor any other row of the list
    // names: rows that name an Index without a satellite are left out of the receiver's image,
    // and a new satellite must not bring them in.
    int index = 0;
    // The table's satellite name, as importBouquet() cleans it: at most 13 characters.
    std::string name;
    // The orbital position from the table's name, in tenths of a degree, east positive; it
    // becomes the row's Posotioner (0 when the name gives none).
    std::optional<int> positionTenths;
};

// The new row for the table's satellite, or nothing when every Index from 0 to 49 is taken.
std::optional<NewSatellite> newSatelliteFor(const TokenArray& tokens, const ScanTableName& table);

// How many Indexes from 0 to 49 are free for a new satellite, by the rule of newSatelliteFor().
std::size_t freeSatelliteIndexes(const TokenArray& tokens);

// The LNB a new satellite row is given.
inline constexpr LnbSetting kNewSatelliteLnb{10600, 9750};

// Appends the row to the [SATELLITE] section: in use (Blank N), a universal LNB (LO 10600 and
// 09750 MHz) and Position 0, which the user sets in the satellite's dialog. False, with nothing
// changed, when the list has no [SATELLITE] section or the Index is taken by now.
bool addSatelliteRow(TokenArray& tokens, const NewSatellite& satellite);

// The preview of importing `transponders` to the new satellite, as previewImport() gives it once
// the row is in the list.
ImportPreview previewImportToNew(const TokenArray& tokens, const NewSatellite& satellite,
                                 const std::vector<ScanTransponder>& transponders,
                                 std::string_view bouquet);
// The import with the new satellite: the row and the preview's ticked rows added as one step of
// Undo ("Import Transponders"), or, when either cannot be added, nothing changed and the reason
// shown in a box. Returns the number of transponders added.
std::size_t importTranspondersToNew(ListDocument& document, const ImportPreview& preview,
                                    const NewSatellite& satellite);

// The display text (UTF-8) of the choice in the import dialog, e.g. "New satellite: Astra 19.2 E
// (Index 5)".
std::string newSatelliteText(const NewSatellite& satellite);

}  // namespace sky
