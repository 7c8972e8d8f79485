// The written form of a channel list: header blocks, columns and the rows' lines.

#include "db/ListLayout.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "db/RecordLayout.h"
#include "db/TextFormat.h"

namespace sky {

namespace {

// The columns' widths of each section, one per field of its rows.
constexpr std::array<int, kSatNameFields> kSatNameWidths{6, 16};
constexpr std::array<int, kSatelliteFields> kSatelliteWidths{6, 16, 3, 8, 8, 5, 10};
constexpr std::array<int, kTransponderFields> kDigitalTpWidths{6, 6, 8, 8, 3, 16};
constexpr std::array<int, kChannelFields> kChannelWidths{6, 6, 6, 8, 8, 16, 6, 3};
constexpr std::array<int, kPidChannelFields> kChannelPidWidths{6, 6, 6, 8, 16, 8, 8, 8, 6, 3};
constexpr std::array<int, kAnalogFields> kAnalogWidths{6,  6,  8, 8, 16, 8, 3, 6, 6,
                                                       10, 12, 8, 8, 8,  3, 8, 8, 3};
// The widest column: a field's padding never exceeds it.
constexpr size_t kWidestColumn = 16;

// The dashed ruler line around a section's column titles.
std::string ruler(size_t dashes) {
    return "#" + std::string(dashes, '-') + "+\r\n";
}

std::string headerBlock(std::string_view name, size_t dashes, std::string_view titles) {
    const std::string line = ruler(dashes);
    return "\r\n\r\n[" + std::string(name) + "]\r\n" + line + std::string(titles) + line;
}

}  // namespace

const std::array<SectionLayout, 6>& sectionLayouts() {
    static const std::array<SectionLayout, 6> kLayouts{{
        // The name list's first ruler begins with two "#".
        {"\r\n\r\n[SATELLITE_NAME_LIST]\r\n#" + ruler(25) + "# Index  Satellite_Name   |\r\n" +
             ruler(25),
         kSatNameWidths, 1},
        {headerBlock(
             "SATELLITE", 70,
             "#  Index    Name          Blank  LNB_LO   LNB_LO Position Posotioner   |\r\n"
             "#                                 HIGH     LOW                         |\r\n"),
         kSatelliteWidths, 1},
        {headerBlock("DIGITAL TP", 57,
                     "# D_TP   SAT   Frequency  Symbol    Polari-    Comment    |\r\n"
                     "# Index  Index   (MHz)    R. (KHz)   zation               |\r\n"),
         kDigitalTpWidths, 5},
        {headerBlock("DIGITAL CHANNEL", 65,
                     "# SVC   D_TP  SAT   SVC     SVC       SVC         Active  Blank   |\r\n"
                     "# Index Index Index ID(hex) Type      Name        Audio           |\r\n"),
         kChannelWidths, 5},
        {headerBlock(
             "DIGITAL PID CHANNEL", 76,
             "# SVC   D_TP  SAT   SVC       SVC           Video Audio  PCR  Active  Blank  |\r\n"
             "# Index Index Index Type      Name          PID   PID    PID  Audio          |\r\n"),
         kChannelPidWidths, 4},
        {headerBlock("ANALOG TP", 122,
                     "# A_TP  SAT   Freq.  Name          Video Pol Thr Con-  Decoder  Audio  "
                     "A_Freq  A_Freq  Band   Panda  De-       TV/   Blank |\r\n"
                     "# Index Index (MHz)                Band          trast Output   Mode   "
                     "L (MHz) R (MHz) W.(KHz)       emphasis  RADIO       |\r\n"),
         kAnalogWidths, 4},
    }};
    return kLayouts;
}

std::array<FieldRange, 6> findSections(const TokenArray& tokens) {
    std::array<size_t, 6> start{};
    std::array<size_t, 6> end{};
    start.fill(SIZE_MAX);
    end.fill(SIZE_MAX);
    for (size_t i = 0; i < tokens.size(); ++i) {
        const std::string& token = tokens[i];
        // Every marker ends in "START" or "END"; a quick look at the last letter passes over
        // almost every field.
        if (token.empty() || (token.back() != 'T' && token.back() != 'D')) continue;
        for (size_t s = 0; s < kSections.size(); ++s) {
            if (token == kSections[s].startMarker) start[s] = i;
            if (token == kSections[s].endMarker) end[s] = i;
        }
    }
    std::array<FieldRange, 6> ranges{};
    for (size_t s = 0; s < kSections.size(); ++s) {
        if (start[s] == SIZE_MAX || end[s] == SIZE_MAX || end[s] == 0) continue;
        ranges[s] = {start[s] + 1, end[s] - 1};
    }
    return ranges;
}

size_t rowRoom(const TokenArray& tokens, size_t first, size_t count) {
    // Each field: its characters, two quotes, the padding and its space.
    size_t room = 0;
    for (size_t column = 0; column < count; ++column) {
        room += tokens[first + column].size() + 3 + kWidestColumn;
    }
    return room;
}

char* putRow(char* at, const TokenArray& tokens, size_t first, size_t count,
             const SectionLayout& layout) {
    static constexpr char kSpaces[kWidestColumn + 1] = "                ";
    const auto nameColumn = static_cast<size_t>(layout.nameColumn);
    for (size_t column = 0; column < count; ++column) {
        const std::string& field = tokens[first + column];
        const char* const begin = at;
        const bool name = column == nameColumn;
        if (name) *at++ = '"';
        if (!name || field != "\"") {
            std::memcpy(at, field.data(), field.size());
            at += field.size();
        }
        if (name) *at++ = '"';
        const auto length = static_cast<size_t>(at - begin);
        const auto width = static_cast<size_t>(layout.widths[column]);
        const size_t padding = length < width ? width - length + 1 : 1;
        // The usual padding as one fixed-size copy: the row's room holds a whole column's
        // spaces after every field.
        if (padding <= kWidestColumn) {
            std::memcpy(at, kSpaces, kWidestColumn);
        } else {
            std::memset(at, ' ', padding);
        }
        at += padding;
    }
    return at;
}

}  // namespace sky
