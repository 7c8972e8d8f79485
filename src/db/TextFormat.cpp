#include "db/TextFormat.h"

#include <array>

namespace sky {

namespace {

// The white space that separates fields, as a table: rows are split at the speed of a scan.
constexpr std::array<bool, 256> kSpace = [] {
    std::array<bool, 256> table{};
    for (const unsigned char c : {' ', '\t', '\r', '\n', '\v', '\f'}) table[c] = true;
    return table;
}();

bool isSpace(char c) {
    return kSpace[static_cast<unsigned char>(c)];
}

}  // namespace

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

bool isSectionMarker(std::string_view text) {
    for (const SectionInfo& info : kSections) {
        if (text == info.startMarker || text == info.endMarker) return true;
    }
    return false;
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

size_t splitFields(std::string_view line, std::span<std::string_view> out) {
    // Every row of every list passes through here, three times for a compile from the editor:
    // plain pointers, no checked substr().
    const char* at = line.data();
    const char* const end = at + line.size();
    size_t count = 0;
    while (count < out.size()) {
        while (at != end && isSpace(*at)) ++at;
        if (at == end) break;
        const char* const start = at;
        while (at != end && !isSpace(*at)) ++at;
        out[count++] = std::string_view(start, static_cast<size_t>(at - start));
    }
    return count;
}

void restoreSpaces(std::string& field) {
    for (char& c : field) {
        if (c == ' ') break;
        if (c == '~') c = ' ';
    }
}

}  // namespace sky
