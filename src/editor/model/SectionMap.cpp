#include "editor/model/SectionMap.h"

#include <string>

namespace sky {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Every marker is at least ten characters long and ends in "START" or "END".
bool mayBeMarker(const std::string& cell) {
    return cell.size() >= 10 && (cell.back() == 'T' || cell.back() == 'D');
}

}  // namespace

SectionMap locateSections(const TokenArray& tokens) {
    std::array<std::size_t, kSections.size()> starts;
    std::array<std::size_t, kSections.size()> ends;
    starts.fill(kNone);
    ends.fill(kNone);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string& cell = tokens[i];
        if (!mayBeMarker(cell)) continue;
        for (std::size_t s = 0; s < kSections.size(); ++s) {
            if (cell == kSections[s].startMarker)
                starts[s] = i;
            else if (cell == kSections[s].endMarker)
                ends[s] = i;
        }
    }
    SectionMap map;
    for (std::size_t s = 0; s < kSections.size(); ++s) {
        if (starts[s] == kNone || ends[s] == kNone) continue;
        SectionSpan& span = map[kSections[s].state];
        span.found = true;
        span.begin = starts[s] + 1;
        span.end = ends[s] < span.begin ? span.begin : ends[s];
    }
    return map;
}

}  // namespace sky
