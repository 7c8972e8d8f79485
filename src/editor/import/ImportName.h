#pragma once

#include <string>
#include <string_view>

namespace sky {

// The list name of an imported service. The list keeps at most 13 characters of 8-bit text and
// writes a name between double quotes, in which a quote reads back as "-" and a "~" as a space;
// the files imported from write UTF-8.
struct ImportName {
    std::string text;  // the list's 8-bit text, at most 13 characters
    // What was done to the name that the user should see (short name taken, cut, characters
    // without a Latin form, no name at all); empty for a name taken as it is.
    std::string note;
    bool marked() const { return !note.empty(); }
};

inline constexpr std::size_t kLongestChannelName = 13;

// A name in the list's 8-bit text as the list file keeps it: control characters become spaces, a
// double quote "'" and a "~" "-" (the file reads them back as other characters), blanks at either
// end go, and a name that reads as a section marker gets "-" for its spaces. May be empty.
std::string keepableName(std::string text);

// The name from the file's UTF-8 name and short name: converted with listName() (Latin-1 where
// it can, else the plain letter, else "?"), control characters as spaces, a double quote as "'"
// and "~" as "-", trimmed; a name that reads as a section marker ("CHANNEL END") gets "-" for
// its space. A name longer than 13 takes the short name when that fits, else it
// is cut. A service without a name is named after its service id ("Service 1234").
ImportName importChannelName(std::string_view name, std::string_view shortName, int serviceId);

// A name the user typed in the preview (UTF-8) under the same rules, without the short name.
ImportName editedChannelName(std::string_view name, int serviceId);

}  // namespace sky
