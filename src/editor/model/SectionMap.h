#pragma once

#include <array>
#include <cstddef>

#include "db/TextFormat.h"
#include "db/TokenArray.h"

namespace sky {

// Where one section's cells lie in the token array.
struct SectionSpan {
    std::size_t begin = 0;  // the first cell, just after the START marker
    std::size_t end = 0;    // one past the last cell: the END marker's index
    bool found = false;     // both markers are present

    std::size_t size() const { return end - begin; }
    // Whole records of the given width in the section.
    std::size_t records(int width) const { return size() / static_cast<std::size_t>(width); }
};

// The six sections of a token array, located by one scan. Every operation locates the sections
// afresh: positions are never kept across a change of the array.
class SectionMap {
public:
    const SectionSpan& operator[](SectionState state) const { return spans_[state]; }
    SectionSpan& operator[](SectionState state) { return spans_[state]; }

private:
    std::array<SectionSpan, 7> spans_{};  // by state number 1 to 6
};

// Scans the whole array; for each marker its last occurrence counts. A section whose END marker
// stands before its START marker, or lacks either marker, has no cells.
SectionMap locateSections(const TokenArray& tokens);

}  // namespace sky
