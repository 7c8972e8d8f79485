#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/scan/ScanTable.h"

namespace sky {

// The channel lists of other programs that Import Channels reads: VDR's channels.conf, the DVBv5
// channel files dvbv5-scan writes, and Enigma2's lamedb (versions 4 and 5). Each reader turns its
// file into the neutral records below and lists the rows it could not read, so that the editor's
// import rule (src/editor/import) does not depend on any one format.

enum class ChannelFormat { Vdr, DvbV5, Lamedb };

// Where a service is received. Only satellite services are candidates for this receiver.
enum class SourceKind { Satellite, Cable, Terrestrial, Other };

// One service of a file with the transponder it is on.
struct ChannelRecord {
    SourceKind source = SourceKind::Satellite;
    // The orbital position in tenths of a degree, east positive (192 for 19.2E, -300 for 30W);
    // nothing when the file does not say (DVBv5 files, VDR's old form).
    std::optional<int> positionTenths;
    int frequencyMhz = 0;
    ScanPolarisation polarisation = ScanPolarisation::Horizontal;
    int symbolRateKs = 0;
    DeliverySystem system = DeliverySystem::DvbS;
    int serviceId = 0;  // 0: none given
    int videoPid = 0;   // 0: none
    int pcrPid = 0;     // 0: none given (the video PID carries it)
    std::vector<int> audioPids;
    std::vector<int> caids;  // empty or {0}: free to air
    std::string name;        // as the file writes it (UTF-8 for all three formats)
    std::string shortName;   // VDR's short name, lamedb's marked part; may be empty
    std::string provider;
    // The name of the VDR group line the service follows (":Name" or ":@201 Name"); empty when
    // there is none or it gives no name. A new satellite for the service is named after it.
    std::string group;
    // lamedb's service type (1 TV, 2 radio, 25 HD TV...); nothing for the other formats, whose
    // services are TV when they have video.
    std::optional<int> serviceType;
    int line = 0;  // 1-based line of the service in the file

    bool encrypted() const;
};

// A row of the file that gives no record.
struct UnreadRow {
    int line = 0;
    std::string reason;
};

struct ChannelFile {
    ChannelFormat format = ChannelFormat::Vdr;
    std::vector<ChannelRecord> records;
    std::vector<UnreadRow> unread;
    // Why nothing of the file could be read (not of the format at all); empty otherwise.
    std::string error;
};

// The format of a file by its content: lamedb by its "eDVB services /N/" first line, DVBv5 by a
// first "[Name]" block header, VDR by ':'-separated rows or group lines. Nothing for anything else.
std::optional<ChannelFormat> detectChannelFormat(std::string_view text);

// "vdr", "dvbv5", "lamedb"; and back (nothing for another word).
const char* channelFormatName(ChannelFormat format);
std::optional<ChannelFormat> channelFormatNamed(std::string_view name);

ChannelFile readVdrChannels(std::string_view text);
ChannelFile readDvbV5Channels(std::string_view text);
ChannelFile readLamedb(std::string_view text);

// Reads the text in the given format, or the detected one; a text of no known format gives an
// error saying so.
ChannelFile readChannelFile(std::string_view text, std::optional<ChannelFormat> format = {});

// Reads the file at `path` so; a file that cannot be read, or is too large to be a channel list,
// gives an error saying so.
ChannelFile readChannelFileAt(const std::string& path, std::optional<ChannelFormat> format = {});

}  // namespace sky
