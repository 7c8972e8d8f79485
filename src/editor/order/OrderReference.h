#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/RuntimeSettings.h"
#include "common/UserInterface.h"
#include "editor/match/MatchRows.h"

namespace sky {

// The order another list gives, for Apply Order from List: its rows of the Digital Channel view
// and of the Analog Channel view, in its order.
//
// A reference is read from text; the caller reads the file (the window's Open dialog, the command
// line). It is either
//  - a channel list (a text with section headers such as "[DIGITAL CHANNEL]"): read as Open reads
//    a list, with the same check; both views apply, their rows matched by identity, then by name;
//  - or a plain list of "number;name" or "number,name" lines: one view (the caller says which),
//    matched by name only. The rows take the order of their numbers (rows of one number keep the
//    order of the file); a row without a name ("7;") is a null channel's place. A first line
//    that does not start with a number is a header and skipped; blank lines and lines starting
//    with "#" are skipped. A name starts after the blanks that follow the separator; names in
//    double quotes lose them. UTF-8 or Latin-1: each name is read
//    in UTF-8, the form the list holds, a name that is not UTF-8 converted from Latin-1.
struct OrderReference {
    // The rows of each view the reference orders; nothing for a view it says nothing about.
    std::optional<std::vector<MatchRow>> digital;
    std::optional<std::vector<MatchRow>> analog;
    // The rows carry their own kind (a channel list). A number;name reference's rows take the
    // kind of the view they order, so its null places may be digital or PID channels.
    bool kindsKnown = true;
};

// Reads a reference. `source` names it in messages (the file's name). A reference that cannot be
// read, has no channel of a view it orders, or has a malformed line is refused with a message
// through `ui` naming the source and the line, and nothing is returned.
// `digitalView` says which view a number;name reference orders; `settings` say how many satellite
// names a channel list must have.
std::optional<OrderReference> readOrderReference(std::string_view text, const std::string& source,
                                                 bool digitalView, const RuntimeSettings& settings,
                                                 IUserInterface& ui);

// The message for a line of a number;name reference that is neither blank, a comment, a header
// nor a row: "CANCELED : <source>, line <n> is not "number;name" or "number,name". ...".
std::string malformedReferenceLine(const std::string& source, int lineNumber);

// Save as Reference: the rows of one view as "number;name" lines in UTF-8 (CR LF line ends, as
// the lists have), in the view's order; a null channel's line has no name, so that the reference
// keeps its place. A name that begins or ends with a blank, holds a separator or stands in
// double quotes is written in double quotes, so that every name reads back as it was.
std::string referenceText(const TokenArray& tokens, bool digitalView);

}  // namespace sky
