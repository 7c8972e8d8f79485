#pragma once

#include <string>

#include "db/TokenArray.h"
#include "editor/order/ApplyOrder.h"
#include "shell/commands/FileCommandContext.h"

namespace sky {

// What Apply Order from List's preview shows: the list and the reference read beside it, named
// by its file's name.
struct OrderPreviewRequest {
    const TokenArray& tokens;
    const OrderReference& reference;
    std::string referenceName;
};

// The user's Apply in the preview: the options set, and their plan on the list as shown.
struct OrderChoice {
    OrderOptions options;
    OrderPlan plan;
};

// Apply Order from List: picks a reference (a number;name file or a channel list, from the list's
// folder), reads it beside the open list, shows its preview through the window and applies the
// order as one undoable step. Every refusal is shown in a box, and then nothing changes. Returns
// whether the order was applied.
bool applyOrderFromList(FileCommandContext context);

}  // namespace sky
