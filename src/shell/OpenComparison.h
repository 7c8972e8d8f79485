#pragma once

#include <string>

#include "db/TokenArray.h"
#include "editor/compare/ComparedList.h"
#include "editor/compare/ListComparison.h"

namespace sky {

// The open list compared with another list, as the comparison window shows it. The other list is
// kept, so that the comparison can be made again when the open list changes.
struct OpenComparison {
    std::string otherName;  // the other file's name, or "the receiver's list"
    TokenArray other;
    ListComparison result;

    void compareWith(const TokenArray& open) { compareWith(ComparedList(open)); }
    // The same with the open list's rows read before.
    void compareWith(const ComparedList& open) { result = compareLists(open, ComparedList(other)); }
};

}  // namespace sky
