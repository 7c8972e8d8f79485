#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace sky {

// The find bar's quick filter of the channel type, by the row's icon (the detail views only).
enum class TypeChoice { All, Tv, Radio };

// What the find bar asks for. Every part narrows the rows, together (AND): the text in a cell as
// the list shows it, the satellite, the type.
struct FindQuery {
    // Looked for in the cells' shown texts, ignoring letter case; empty: every row.
    std::string text;
    // The column (an index into ShownList::columns()) the text is looked for in; nothing: every
    // column shown (width above 0).
    std::optional<std::size_t> column;
    // The Index of a satellite record (see satelliteChoices()); nothing: every satellite. Applies
    // in the views with a satellite column (satelliteColumn() in ViewColumns.h).
    std::optional<std::string> satellite;
    TypeChoice type = TypeChoice::All;
    // "Show only matching rows": the shown list hides the rows that do not match. Off, every row
    // stays shown and the matches are only stepped through.
    bool onlyMatching = false;

    // Anything narrows the rows: a text or a quick filter.
    bool narrows() const { return !text.empty() || satellite || type != TypeChoice::All; }

    bool operator==(const FindQuery&) const = default;
};

}  // namespace sky
