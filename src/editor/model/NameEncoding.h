#pragma once

#include <string>
#include <string_view>

namespace sky {

// A list keeps its names in 8-bit text: Latin-1, or UTF-8 where a list was written so. Whatever
// leaves the program as UTF-8 (exports, the clipboard, references) converts with utf8Name();
// a UTF-8 name that comes into a list converts with listName().

// Whether the text is well-formed UTF-8 (ASCII is).
bool validUtf8(std::string_view text);

// A name in UTF-8: valid UTF-8 stays as it is; any other text is read as Latin-1 and converted.
std::string utf8Name(std::string_view name);

// A UTF-8 name in the list's 8-bit text, one byte a character: a character Latin-1 has becomes
// its Latin-1 byte, a Latin letter it lacks becomes its plain letter ("ł" becomes "l"), anything
// else "?". Text that is not valid UTF-8 is taken as 8-bit text already and kept.
std::string listName(std::string_view name);

}  // namespace sky
