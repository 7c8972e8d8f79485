// The channel files dvbv5-scan (v4l-utils) writes: one block per service, opened by the service's
// name in brackets and holding "KEY = VALUE" lines:
//
//     [Das Erste HD]
//         SERVICE_ID = 10301
//         VIDEO_PID = 5101
//         AUDIO_PID = 5102 5103 5106
//         FREQUENCY = 11494000
//         POLARIZATION = HORIZONTAL
//         SYMBOL_RATE = 22000000
//         DELIVERY_SYSTEM = DVBS2
//
// FREQUENCY is in kHz and SYMBOL_RATE in symbols/s for satellites; the file names no orbital
// position (the user picks the satellite). "#" starts a comment; keys the import does not use
// (MODULATION, INNER_FEC, PID_xx, LNB...) are passed over. A block without a satellite's
// FREQUENCY, POLARIZATION or SYMBOL_RATE is listed as unread with the reason.

#include <array>
#include <optional>

#include "db/channels/ChannelRecord.h"
#include "db/channels/ChannelText.h"

namespace sky {

namespace {

using namespace channeltext;

enum Key : std::size_t {
    kServiceId,
    kVideo,
    kAudio,
    kFrequency,
    kPolarisation,
    kSymbolRate,
    kSystem,
    kProvider,
    kKeys
};
constexpr std::array<std::string_view, kKeys> kKeyNames{
    "SERVICE_ID",   "VIDEO_PID",   "AUDIO_PID",       "FREQUENCY",
    "POLARIZATION", "SYMBOL_RATE", "DELIVERY_SYSTEM", "PROVIDER"};

struct Block {
    std::string name;
    int line = 0;
    std::array<std::optional<std::string>, kKeys> values;
    std::string error;  // the first faulty line of the block
};

SourceKind sourceOf(const std::string& system) {
    if (system == "DVBS" || system == "DVBS2" || system == "TURBO" || system == "ISDBS" ||
        system == "DSS")
        return SourceKind::Satellite;
    if (system.starts_with("DVBC")) return SourceKind::Cable;
    if (system.starts_with("DVBT") || system == "ISDBT" || system == "ATSC" ||
        system.starts_with("DTMB"))
        return SourceKind::Terrestrial;
    return SourceKind::Other;
}

bool readPid(const std::optional<std::string>& text, const char* key, int& out,
             std::string& reason) {
    if (!text) return true;
    const std::optional<int> pid = wholeNumber(*text);
    if (!pid || *pid > 0xFFFF) {
        reason = std::string(key) + " " + shown(*text) + " is not a number";
        return false;
    }
    out = *pid;
    return true;
}

bool finish(const Block& block, ChannelRecord& record, std::string& reason) {
    if (!block.error.empty()) {
        reason = block.error;
        return false;
    }
    record.name = block.name;
    record.line = block.line;
    if (block.values[kProvider]) record.provider = *block.values[kProvider];
    const std::string system = upper(block.values[kSystem].value_or("DVBS"));
    record.source = sourceOf(system);
    record.system = system == "DVBS2" ? DeliverySystem::DvbS2 : DeliverySystem::DvbS;
    if (!readPid(block.values[kServiceId], "SERVICE_ID", record.serviceId, reason) ||
        !readPid(block.values[kVideo], "VIDEO_PID", record.videoPid, reason)) {
        return false;
    }
    if (const std::optional<std::string>& audio = block.values[kAudio]) {
        for (const std::string_view item : split(*audio, ' ')) {
            if (item.empty()) continue;
            const std::optional<int> pid = wholeNumber(item);
            if (!pid || *pid > 0xFFFF) {
                reason = "AUDIO_PID " + shown(*audio) + " is not a list of numbers";
                return false;
            }
            record.audioPids.push_back(*pid);
        }
    }
    if (record.source != SourceKind::Satellite) return true;
    for (const Key key : {kFrequency, kPolarisation, kSymbolRate}) {
        if (!block.values[key]) {
            reason = "the block [" + block.name + "] has no " + std::string(kKeyNames[key]);
            return false;
        }
    }
    const std::string polarisation = upper(*block.values[kPolarisation]);
    if (polarisation == "HORIZONTAL" || polarisation == "H") {
        record.polarisation = ScanPolarisation::Horizontal;
    } else if (polarisation == "VERTICAL" || polarisation == "V") {
        record.polarisation = ScanPolarisation::Vertical;
    } else if (polarisation == "LEFT" || polarisation == "L") {
        record.polarisation = ScanPolarisation::Left;
    } else if (polarisation == "RIGHT" || polarisation == "R") {
        record.polarisation = ScanPolarisation::Right;
    } else {
        reason =
            "POLARIZATION " + shown(polarisation) + " is not HORIZONTAL, VERTICAL, LEFT or RIGHT";
        return false;
    }
    const std::optional<long long> frequency = wholeAmount(*block.values[kFrequency]);
    const std::optional<long long> rate = wholeAmount(*block.values[kSymbolRate]);
    if (!frequency || *frequency == 0) {
        reason = "FREQUENCY " + shown(*block.values[kFrequency]) + " is not a whole number";
        return false;
    }
    if (!rate || *rate == 0) {
        reason = "SYMBOL_RATE " + shown(*block.values[kSymbolRate]) + " is not a whole number";
        return false;
    }
    record.frequencyMhz = toMega(*frequency);
    record.symbolRateKs = toMega(*rate);
    return true;
}

}  // namespace

ChannelFile readDvbV5Channels(std::string_view text) {
    ChannelFile file;
    file.format = ChannelFormat::DvbV5;
    std::optional<Block> block;
    const auto close = [&] {
        if (!block) return;
        ChannelRecord record;
        std::string reason;
        if (finish(*block, record, reason)) {
            file.records.push_back(std::move(record));
        } else {
            file.unread.push_back({block->line, std::move(reason)});
        }
        block.reset();
    };
    forEachLine(text, [&](std::string_view line, int number) {
        if (!line.empty() && trim(line).starts_with('#')) return;
        line = trim(line);
        if (line.empty()) return;
        if (line.front() == '[') {
            close();
            block = Block{};
            block->line = number;
            if (line.back() != ']') {
                block->error = shown(line) + " is no block header";
            } else {
                block->name = std::string(trim(line.substr(1, line.size() - 2)));
            }
            return;
        }
        const std::size_t equals = line.find('=');
        if (!block) {
            file.unread.push_back({number, "a line before the first [Name] block"});
            return;
        }
        if (equals == std::string_view::npos) {
            if (block->error.empty()) block->error = shown(line) + " is not KEY = VALUE";
            return;
        }
        const std::string key = upper(trim(line.substr(0, equals)));
        for (std::size_t k = 0; k < kKeys; ++k) {
            if (key == kKeyNames[k]) block->values[k] = std::string(trim(line.substr(equals + 1)));
        }
    });
    close();
    return file;
}

}  // namespace sky
