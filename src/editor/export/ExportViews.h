#pragma once

#include <optional>
#include <string_view>

#include "editor/view/ViewColumns.h"

namespace sky {

// A view as an export names it: the kind of list and, for a detail view, digital or analog.
struct NamedView {
    ViewKind kind;
    bool digital;
};

// The view of a name: digital, analog, satellite, satname, tp, channel, pid, analoglist.
std::optional<NamedView> viewNamed(std::string_view name);

}  // namespace sky
