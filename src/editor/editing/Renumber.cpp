#include "editor/editing/Renumber.h"

#include <algorithm>
#include <charconv>

#include "editor/model/ChannelRecords.h"
#include "editor/model/SpanChange.h"

namespace sky {

namespace {

// Numbers the records of one section from `next` on; returns the number after the last.
long numberRecords(TokenArray& tokens, const SectionSpan& span, int width, long next) {
    char text[24];
    for (std::size_t cell = span.begin; cell + width <= span.end; cell += width) {
        const auto result = std::to_chars(text, text + sizeof text, next++);
        tokens[cell].assign(text, result.ptr);
    }
    return next;
}

// The section's cells, or the place where cells of it were removed, lie within first..last (both
// included). The markers between sections keep a change of one from touching another.
bool touches(const SectionSpan& span, std::size_t first, std::size_t last) {
    return span.found && first <= span.end && last >= span.begin;
}

}  // namespace

void renumberChannels(TokenArray& tokens, const SectionMap& sections, ChannelGroups groups) {
    if (groups.digital) {
        const long afterDigital =
            numberRecords(tokens, sections[kChannelSection], kDigitalRecordWidth, 1);
        numberRecords(tokens, sections[kChannelPidSection], kPidRecordWidth, afterDigital);
    }
    if (groups.analog) numberRecords(tokens, sections[kAnalogTpSection], kAnalogRecordWidth, 1);
}

ChannelGroups editedChannelGroups(const PackedTokens& before, const TokenArray& tokens,
                                  const SectionMap& sections) {
    const DifferingSpan span = differingSpan(before, tokens);
    if (span.first == span.laterEnd && span.first == span.earlierEnd) return {};
    // The changed cells, or the place where cells were only removed.
    const std::size_t first = span.first;
    const std::size_t last = std::max(span.first + 1, span.laterEnd) - 1;
    return {touches(sections[kChannelSection], first, last) ||
                touches(sections[kChannelPidSection], first, last),
            touches(sections[kAnalogTpSection], first, last)};
}

void renumberEditedChannels(TokenArray& tokens, const PackedTokens& before) {
    const SectionMap sections = locateSections(tokens);
    renumberChannels(tokens, sections, editedChannelGroups(before, tokens, sections));
}

}  // namespace sky
