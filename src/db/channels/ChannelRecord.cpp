#include "db/channels/ChannelRecord.h"

#include <algorithm>

#include "db/channels/ChannelText.h"

namespace sky {

bool ChannelRecord::encrypted() const {
    return std::any_of(caids.begin(), caids.end(), [](int caid) { return caid != 0; });
}

std::optional<ChannelFormat> detectChannelFormat(std::string_view text) {
    std::optional<ChannelFormat> found;
    bool decided = false;
    channeltext::forEachLine(text, [&](std::string_view line, int) {
        if (decided) return;
        line = channeltext::trim(line);
        if (line.empty() || line.front() == '#') return;
        decided = true;
        if (line.starts_with("eDVB services /")) {
            found = ChannelFormat::Lamedb;
        } else if (line.front() == '[' && line.back() == ']') {
            found = ChannelFormat::DvbV5;
        } else if (line.front() == ':' || std::count(line.begin(), line.end(), ':') >= 8) {
            found = ChannelFormat::Vdr;
        }
    });
    return found;
}

const char* channelFormatName(ChannelFormat format) {
    switch (format) {
        case ChannelFormat::Vdr:
            return "vdr";
        case ChannelFormat::DvbV5:
            return "dvbv5";
        case ChannelFormat::Lamedb:
            break;
    }
    return "lamedb";
}

std::optional<ChannelFormat> channelFormatNamed(std::string_view name) {
    for (const ChannelFormat format :
         {ChannelFormat::Vdr, ChannelFormat::DvbV5, ChannelFormat::Lamedb}) {
        if (name == channelFormatName(format)) return format;
    }
    return std::nullopt;
}

ChannelFile readChannelFile(std::string_view text, std::optional<ChannelFormat> format) {
    if (!format) format = detectChannelFormat(text);
    if (!format) {
        ChannelFile file;
        file.error =
            "the file is not a VDR channels.conf, a DVBv5 channel file or an Enigma2 lamedb";
        return file;
    }
    switch (*format) {
        case ChannelFormat::Vdr:
            return readVdrChannels(text);
        case ChannelFormat::DvbV5:
            return readDvbV5Channels(text);
        case ChannelFormat::Lamedb:
            break;
    }
    return readLamedb(text);
}

}  // namespace sky
