#include "editor/editing/Renumber.h"

#include <charconv>

#include "editor/model/ChannelRecords.h"

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

}  // namespace

void renumberChannels(TokenArray& tokens, const SectionMap& sections) {
    const long afterDigital =
        numberRecords(tokens, sections[kChannelSection], kDigitalRecordWidth, 1);
    numberRecords(tokens, sections[kChannelPidSection], kPidRecordWidth, afterDigital);
    numberRecords(tokens, sections[kAnalogTpSection], kAnalogRecordWidth, 1);
}

}  // namespace sky
