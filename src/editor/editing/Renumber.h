#pragma once

#include "db/TokenArray.h"
#include "editor/model/SectionMap.h"

namespace sky {

// Rewrites the Index cell of every channel record: digital channels 1, 2, 3, ... in their order,
// the PID channels continuing the same count, analog channels 1, 2, 3, ... on their own. Plain
// decimal without padding. Records inserted with a placeholder Index get their final one here.
void renumberChannels(TokenArray& tokens, const SectionMap& sections);

}  // namespace sky
