// Writing the token array back as a channel-list text file.

#include "db/TextWriter.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "common/Format.h"
#include "db/RecordLayout.h"
#include "db/ReplacementFile.h"
#include "db/SiblingPath.h"
#include "db/TextFormat.h"

namespace sky {

namespace {

// How one section is written: its header block, the width of each column before the padding
// space, and the column that holds the quoted name.
struct SectionLayout {
    std::string header;
    std::span<const int> widths;
    int nameColumn;
};

// The columns' widths of each section, one per field of its rows.
constexpr std::array<int, kSatNameFields> kSatNameWidths{6, 16};
constexpr std::array<int, kSatelliteFields> kSatelliteWidths{6, 16, 3, 8, 8, 5, 10};
constexpr std::array<int, kTransponderFields> kDigitalTpWidths{6, 6, 8, 8, 3, 16};
constexpr std::array<int, kChannelFields> kChannelWidths{6, 6, 6, 8, 8, 16, 6, 3};
constexpr std::array<int, kPidChannelFields> kChannelPidWidths{6, 6, 6, 8, 16, 8, 8, 8, 6, 3};
constexpr std::array<int, kAnalogFields> kAnalogWidths{6,  6,  8, 8, 16, 8, 3, 6, 6,
                                                       10, 12, 8, 8, 8,  3, 8, 8, 3};

// The dashed ruler line around a section's column titles.
std::string ruler(size_t dashes) {
    return "#" + std::string(dashes, '-') + "+\r\n";
}

std::string headerBlock(std::string_view name, size_t dashes, std::string_view titles) {
    const std::string line = ruler(dashes);
    return "\r\n\r\n[" + std::string(name) + "]\r\n" + line + std::string(titles) + line;
}

// In the order of kSections.
const std::array<SectionLayout, 6>& layouts() {
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

constexpr std::string_view kEnd = "\r\n\r\n[END]\r\n";

// The fields of a section: from the element after its start marker to the element before its end
// marker (the last occurrence of each marker counts). Empty when a marker is missing.
struct FieldRange {
    size_t first = 1;
    size_t last = 0;  // inclusive
    bool empty() const { return first > last; }
};

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

// Appends one field: the name column whole between double quotes (the receiver keeps 13
// characters of a name, but a transponder's comment, and a row of a satellite that is not in use,
// may hold more; a lone double quote is written as the empty name), each padded to its column's
// width and one space; a longer field still gets its one space, so it never runs into the next
// field. `at` has room for the field, its quotes and its padding.
char* putField(char* at, const std::string& field, bool name, size_t width) {
    const char* const begin = at;
    const bool loneQuote = name && field == "\"";
    if (name) *at++ = '"';
    if (!loneQuote) at = std::copy(field.begin(), field.end(), at);
    if (name) *at++ = '"';
    const auto length = static_cast<size_t>(at - begin);
    const size_t padding = length < width ? width - length + 1 : 1;
    return std::fill_n(at, padding, ' ');
}

// Rows are put together in a buffer of their own and appended whole: a few appends per row
// instead of two per field.
void appendSection(std::string& out, const TokenArray& tokens, const SectionLayout& layout,
                   const FieldRange& range, int rowLength) {
    out += layout.header;
    if (range.empty()) return;
    const auto columns = static_cast<size_t>(rowLength);
    std::string row;
    for (size_t first = range.first; first <= range.last; first += columns) {
        // A last row cut short is written as far as it goes.
        const size_t count = std::min(columns, range.last - first + 1);
        size_t room = 2;
        for (size_t column = 0; column < count; ++column) {
            room += tokens[first + column].size() + 3 + static_cast<size_t>(layout.widths[column]);
        }
        row.resize(room);
        char* at = row.data();
        *at++ = '\r';
        *at++ = '\n';
        for (size_t column = 0; column < count; ++column) {
            at = putField(at, tokens[first + column],
                          column == static_cast<size_t>(layout.nameColumn),
                          static_cast<size_t>(layout.widths[column]));
        }
        out.append(row.data(), static_cast<size_t>(at - row.data()));
    }
}

}  // namespace

std::string channelListText(const TokenArray& tokens) {
    const std::array<FieldRange, 6> ranges = findSections(tokens);
    std::string text;
    size_t estimate = kEnd.size();
    for (size_t s = 0; s < kSections.size(); ++s) {
        estimate += layouts()[s].header.size();
        if (!ranges[s].empty()) estimate += (ranges[s].last - ranges[s].first + 1) * 10;
    }
    text.reserve(estimate);
    for (size_t s = 0; s < kSections.size(); ++s) {
        appendSection(text, tokens, layouts()[s], ranges[s], kSections[s].rowLength);
    }
    text += kEnd;
    return text;
}

bool writeChannelList(const std::string& path, const TokenArray& tokens, IUserInterface& ui) {
    const std::optional<std::string> backupPath = siblingPath(path, ".bak");
    if (!backupPath) {
        ui.message(notTextPathMessage(path));
        return false;
    }
    const std::string text = channelListText(tokens);

    ReplacementFile file(path);
    if (!file.create()) {
        ui.message(format("Can't open .temp file : %s\n", path.c_str()));
        return false;
    }
    if (!file.write(text)) {
        ui.message(format("Can't write the channel list file : %s\nThe previous file is kept.\n",
                          path.c_str()));
        return false;
    }
    // The previous version becomes the backup; a missing file or old backup is no error.
    std::remove(backupPath->c_str());
    const bool backedUp = std::rename(path.c_str(), backupPath->c_str()) == 0;
    if (!file.commit()) {
        if (backedUp) std::rename(backupPath->c_str(), path.c_str());
        ui.message(format("Can't write the channel list file : %s\nThe previous file is kept.\n",
                          path.c_str()));
        return false;
    }
    return true;
}

}  // namespace sky
