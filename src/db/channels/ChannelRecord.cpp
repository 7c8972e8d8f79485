#include "db/channels/ChannelRecord.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>

#include "db/FileIo.h"
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

ChannelFile readChannelFileAt(const std::string& path, std::optional<ChannelFormat> format) {
    // The largest lists of these programs are a few megabytes; a device or a huge file given by
    // mistake is not read at all.
    constexpr std::uintmax_t kLargestFile = 64u << 20;
    ChannelFile file;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        file.error = "Can't read " + path;
        return file;
    }
    if (std::filesystem::file_size(path, error) > kLargestFile) {
        file.error = path + " is too large to be a channel list";
        return file;
    }
    const std::optional<std::string> text = readWholeFile(path);
    if (!text) {
        file.error = "Can't read " + path;
        return file;
    }
    return readChannelFile(*text, format);
}

}  // namespace sky
