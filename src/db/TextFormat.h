#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace sky {

// Section state numbers shared by the loader and the compiler.
enum SectionState : int {
    kNoSection = 0,  // before the first header, and after "[END]"
    kSatNameSection = 1,
    kSatelliteSection = 2,
    kDigitalTpSection = 3,
    kAnalogTpSection = 4,
    kChannelSection = 5,
    kChannelPidSection = 6,
};

struct SectionInfo {
    SectionState state;
    std::string_view name;  // the header's text between "[" and "]"
    std::string_view startMarker;
    std::string_view endMarker;
    int rowLength;  // fields per row in the token array
};

// The six sections in the order the writer uses.
inline constexpr std::array<SectionInfo, 6> kSections{{
    {kSatNameSection, "SATELLITE_NAME_LIST", "SAT_NAME START", "SAT_NAME END", 2},
    {kSatelliteSection, "SATELLITE", "SATELLITE START", "SATELLITE END", 7},
    {kDigitalTpSection, "DIGITAL TP", "DIGITAL START", "DIGITAL END", 6},
    {kChannelSection, "DIGITAL CHANNEL", "CHANNEL START", "CHANNEL END", 8},
    {kChannelPidSection, "DIGITAL PID CHANNEL", "CHANNEL_PID START", "CHANNEL_PID END", 10},
    {kAnalogTpSection, "ANALOG TP", "ANALOG START", "ANALOG END", 18},
}};

// The section of a state number (1 to 6).
const SectionInfo& sectionInfo(SectionState state);

// A header line begins with "[" and names a section followed at once by "]"; anything after
// the "]" is ignored. Returns the section's state, kNoSection for "[END]", and nothing for a
// line that is no header or names no section.
std::optional<SectionState> matchHeader(std::string_view line);

// True for the text of a section's start or end marker. The views find sections by these texts,
// so no field may read as one.
bool isSectionMarker(std::string_view text);

// A line is empty when no ASCII letter or digit stands before its end or its first "#".
bool isEmptyLine(std::string_view line);

// Splits a row at runs of white space into at most out.size() fields, skipping leading white
// space; text after the last field taken is ignored. Returns the number of fields found.
size_t splitFields(std::string_view line, std::span<std::string_view> out);

// Turns the "~" marks of a prepared name field back into spaces, up to the field's first space.
void restoreSpaces(std::string& field);

// Digit fields (frequencies, symbol rates, oscillator frequencies) hold 4 or 5 characters.
inline bool isDigitFieldLength(std::string_view field) {
    return field.size() == 4 || field.size() == 5;
}

}  // namespace sky
