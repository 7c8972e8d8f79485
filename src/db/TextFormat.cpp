#include "db/TextFormat.h"

namespace sky {

const SectionInfo& sectionInfo(SectionState state) {
    for (const SectionInfo& info : kSections) {
        if (info.state == state) return info;
    }
    return kSections.front();
}

std::optional<SectionState> matchHeader(std::string_view line) {
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::string_view rest = line.substr(1);
    // Compared in this order so that "SATELLITE_NAME_LIST" is tried before "SATELLITE".
    static constexpr std::array<std::pair<std::string_view, SectionState>, 7> kHeaders{{
        {"SATELLITE_NAME_LIST", kSatNameSection},
        {"SATELLITE", kSatelliteSection},
        {"DIGITAL TP", kDigitalTpSection},
        {"DIGITAL CHANNEL", kChannelSection},
        {"DIGITAL PID CHANNEL", kChannelPidSection},
        {"ANALOG TP", kAnalogTpSection},
        {"END", kNoSection},
    }};
    for (const auto& [name, state] : kHeaders) {
        if (rest.size() > name.size() && rest.substr(0, name.size()) == name &&
            rest[name.size()] == ']') {
            return state;
        }
    }
    return std::nullopt;
}

bool isEmptyLine(std::string_view line) {
    for (const char c : line) {
        if (c == '#' || c == '\n') return true;
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            return false;
        }
    }
    return true;
}

void restoreSpaces(std::string& field) {
    for (char& c : field) {
        if (c == ' ') break;
        if (c == '~') c = ' ';
    }
}

}  // namespace sky
