#pragma once

#include <cstddef>
#include <vector>

#include "editor/document/ListDocument.h"
#include "editor/editing/ChannelClipboard.h"
#include "editor/editing/ChannelEditor.h"

namespace sky {

// The edits of the selected channels of the Digital Channel view (digital) or the Analog Channel
// view: the keys Delete, Insert, F3 and F4 and their menu items.
enum class RowEdit {
    Delete,      // "&Delete": the selected channels go
    InsertNull,  // "&Insert Null": as many empty channels below the first selected one
    Cut,         // "&Cut (F3)": the selected channels go onto the clipboard
    Paste,       // "&Paste (F4)": the cut channels go in above the first selected one
};

// Runs the edit on the selected list rows (ascending) as one undo step, renumbering; nothing
// happens without a row. An edit that changes nothing (a paste with nothing cut) leaves no step
// and shows the list anew. Returns whether the list changed.
bool editSelectedRows(ListDocument& document, RowEdit edit, bool digital,
                      const std::vector<std::size_t>& rows, ChannelClipboard& clipboard);
// Paste has channels to put into the view's sections.
bool canPaste(const ChannelClipboard& clipboard, bool digital);

// "&New (F2)": the editor asks for a new channel and adds it as its own undo step. Nothing
// without an editor. Returns whether the list changed.
bool newChannel(ListDocument& document, IChannelEditor* editor, bool digital);

}  // namespace sky
