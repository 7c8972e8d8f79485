#pragma once

#include "db/TokenArray.h"
#include "editor/model/PackedTokens.h"
#include "editor/model/SectionMap.h"

namespace sky {

// The channel sections that share a count: the digital channels with the PID channels counting
// on from them, and the analog channels on their own.
struct ChannelGroups {
    bool digital = false;  // DIGITAL CHANNEL and DIGITAL PID CHANNEL
    bool analog = false;   // ANALOG TP

    static constexpr ChannelGroups all() { return {true, true}; }
};

// Rewrites the Index cell of every channel record of the groups given: digital channels 1, 2,
// 3, ... in their order, the PID channels continuing the same count, analog channels 1, 2, 3,
// ... on their own. Plain decimal without padding. Records inserted with a placeholder Index get
// their final one here. A group not given keeps its numbers, whatever they start at.
void renumberChannels(TokenArray& tokens, const SectionMap& sections,
                      ChannelGroups groups = ChannelGroups::all());

// The groups in which `tokens` differs from `before`, the same list before an edit: those with a
// cell between the two lists' common start and common end.
ChannelGroups editedChannelGroups(const PackedTokens& before, const TokenArray& tokens,
                                  const SectionMap& sections);

// After an edit of the list `before`: renumbers the groups the edit changed, so that a section
// the edit left alone keeps its bytes.
void renumberEditedChannels(TokenArray& tokens, const PackedTokens& before);

}  // namespace sky
