#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "db/TokenArray.h"

namespace sky {

// How the writer lays a section out: its header block, the width of each column before the
// padding space, and the column that holds the quoted name.
struct SectionLayout {
    std::string header;
    std::span<const int> widths;
    int nameColumn;
};

// The layouts in the order of kSections.
const std::array<SectionLayout, 6>& sectionLayouts();

// What follows the last section.
inline constexpr std::string_view kListEnd = "\r\n\r\n[END]\r\n";

// The fields of a section in the token array: from the element after its start marker to the
// element before its end marker (the last occurrence of each marker counts). Empty when a marker
// is missing.
struct FieldRange {
    size_t first = 1;
    size_t last = 0;  // inclusive
    bool empty() const { return first > last; }
};

// The field ranges of the sections, in the order of kSections.
std::array<FieldRange, 6> findSections(const TokenArray& tokens);

// The bytes putRow() may write for the `count` fields from `first` (more than it writes).
size_t rowRoom(const TokenArray& tokens, size_t first, size_t count);

// Writes one row's line without its line end: each field padded to its column's width and one
// space, the name column whole between double quotes (a lone double quote is written as the
// empty name); a longer field still gets its one space, so it never runs into the next field.
// `at` has rowRoom() bytes; returns the end of what was written.
char* putRow(char* at, const TokenArray& tokens, size_t first, size_t count,
             const SectionLayout& layout);

}  // namespace sky
