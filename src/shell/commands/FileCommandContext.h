#pragma once

#include "shell/DocumentCommands.h"

namespace sky {

class IListControl;
class ListView;

// What the file commands work on: the document with its open list, the list view shown (its view
// and its rows) and the list's selection of shown rows.
struct FileCommandContext {
    DocumentCommands& doc;
    const ListView& view;
    const IListControl& selection;
};

}  // namespace sky
