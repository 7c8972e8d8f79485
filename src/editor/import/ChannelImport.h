#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "db/TokenArray.h"
#include "db/channels/ChannelRecord.h"
#include "editor/document/ListDocument.h"

namespace sky {

// Import Channels: the services of another program's channel list (db/channels) become rows of
// the list. The window's preview and skylister-cli's import-channels follow the same rules:
//  - Satellite: the one whose Posotioner is the service's orbital position, or the one the user
//    maps the position (or the whole file) to; else a new satellite in the lowest free Index,
//    named after the position, as Import Transponders adds one (editor/scan/NewSatellite.h).
//  - Transponder: an existing D_TP row of the satellite by Import Transponders' rule (same
//    polarization and symbol rate, frequency within 2 MHz), else a new row numbered on from the
//    largest D_TP Index.
//  - Channel: a DIGITAL CHANNEL row (service id in hex, TV with video, RADIO otherwise, or by
//    lamedb's service type), appended after the last channel in the file's order; on request a
//    DIGITAL PID CHANNEL row for a service without a usable service id.
//  - Ticked at first: DVB-S services not yet in the list. DVB-S2 and encrypted services are
//    unticked but may be ticked; services in the list, repeated in the file, data services,
//    other sources and rows that could not be read cannot be ticked.
//  - Names: see ImportName.h.
// The import is refused whole when a section would pass its capacity.

inline constexpr const char* kImportChannelsLabel = "Import Channels";
inline constexpr std::size_t kMaxChannelRows = 20000;
inline constexpr std::size_t kMaxPidChannelRows = 1000;
inline constexpr std::size_t kSatelliteIndexes = 50;

enum class ChannelImportStatus {
    New,           // ticked
    DvbS2,         // unticked, may be ticked: the list's rows cannot say DVB-S2
    Encrypted,     // unticked, may be ticked
    Present,       // the same transponder and service id are in the list
    Repeated,      // an earlier row of the file is the same service
    DataService,   // neither TV nor radio
    NoServiceId,   // no usable service id (and no PID channels asked for)
    NotSatellite,  // cable, terrestrial or another source
    NoSatellite,   // no satellite for it: no position and none chosen, or no free Index
    Refused,       // the transponder cannot be a D_TP row
    Unreadable,    // the row could not be read
};

struct ChannelImportOptions {
    // Every satellite service goes to this satellite Index (DVBv5 files and VDR's old form give
    // no position and need it).
    std::optional<int> satellite;
    // The user's choice of a list satellite for an orbital position (tenths, east positive).
    std::map<int, int> satelliteOfPosition;
    // Tick the DVB-S2 and encrypted services too.
    bool tickAll = false;
    // Services without a usable service id become DIGITAL PID CHANNEL rows.
    bool pidChannels = false;
};

// A satellite the import uses.
struct ChannelImportSatellite {
    int index = 0;
    std::string name;  // the list's 8-bit text
    std::optional<int> positionTenths;
    bool isNew = false;
};

// A transponder of a satellite the import uses.
struct ChannelImportTransponder {
    int satellite = 0;
    ScanTransponder tuning;
    // The D_TP Index of the list's row it is; empty for a new one.
    std::string presentAs;
    // Why it cannot be a D_TP row; empty when it can.
    std::string refused;
};

struct ChannelImportRow {
    ChannelRecord record;  // for an unreadable row only its line
    ChannelImportStatus status = ChannelImportStatus::New;
    bool ticked = false;
    std::string note;  // the reason it is not ticked, or what the name went through
    std::optional<std::size_t> satellite;    // in ChannelImportPreview::satellites
    std::optional<std::size_t> transponder;  // in ChannelImportPreview::transponders
    bool pidChannel = false;
    std::string type;  // "TV" or "RADIO"
    std::string name;  // the list's 8-bit text, at most 13 characters
    bool nameMarked = false;
};

struct ChannelImportPreview {
    ChannelFile file;
    ChannelImportOptions options;
    std::vector<ChannelImportSatellite> satellites;
    std::vector<ChannelImportTransponder> transponders;
    std::vector<ChannelImportRow> rows;  // in the file's order
    // Why there is no preview (the file was not read, the chosen satellite is not in the list).
    std::string error;
};

// What the ticked rows add, the room left in each section, and whether they fit.
struct ChannelImportCounts {
    std::size_t channels = 0;
    std::size_t pidChannels = 0;
    std::size_t transponders = 0;
    std::size_t satellites = 0;
    std::size_t channelsLeft = 0;
    std::size_t pidChannelsLeft = 0;
    std::size_t transpondersLeft = 0;
    std::size_t satellitesLeft = 0;
    // The rows of each status that are not ticked, by importStatusText().
    std::map<std::string, std::size_t> skipped;
    // Why the ticked rows do not fit; empty when they do.
    std::string overCapacity;
};

ChannelImportPreview previewChannelImport(const TokenArray& tokens, ChannelFile file,
                                          const ChannelImportOptions& options);

bool canTick(const ChannelImportRow& row);
// False (and no change) for a row that cannot be ticked.
bool setChannelTicked(ChannelImportPreview& preview, std::size_t row, bool ticked);
// The user names a row in the preview (UTF-8); the name takes the list's rules.
void renameImportRow(ChannelImportPreview& preview, std::size_t row, std::string_view name);

ChannelImportCounts countChannelImport(const TokenArray& tokens,
                                       const ChannelImportPreview& preview);

// Adds the ticked rows, with the satellites and transponders they need. Returns the counts of
// what was added, or nothing with the array unchanged and `error` set when the rows do not fit
// or the list changed since the preview.
std::optional<ChannelImportCounts> addImportedChannels(TokenArray& tokens,
                                                       const ChannelImportPreview& preview,
                                                       std::string& error);

// The import as one step of Undo ("Import Channels"); a refusal is shown in a box and changes
// nothing. Returns the number of channel rows added.
std::size_t importChannels(ListDocument& document, const ChannelImportPreview& preview);

// "new", "DVB-S2", "encrypted", "already in the list", "repeated in the file", "data service",
// "no service id", "not a satellite service", "no satellite", "transponder refused",
// "unreadable".
const char* importStatusText(ChannelImportStatus status);

}  // namespace sky
