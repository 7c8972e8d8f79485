#pragma once

#include <optional>
#include <string>

#include "editor/document/ListDocument.h"
#include "editor/view/ShownList.h"
#include "editor/view/ViewColumns.h"

namespace sky {

// Points `shown` at what a view of the list shows: a detail view's rows (digital or analog) or a
// section's records, with the view's columns. Returns the message for a section whose markers
// are missing (the view then shows its columns without rows). Every row is shown again.
std::optional<std::string> showView(ShownList& shown, const ListDocument& model, ViewKind kind,
                                    bool digital, DetailWidths widths);

}  // namespace sky
