#include "editor/editing/RowEdits.h"

namespace sky {

namespace {

const char* labelOf(RowEdit edit) {
    switch (edit) {
        case RowEdit::Delete:
            return "Delete Channel";
        case RowEdit::InsertNull:
            return "Insert Null Channel";
        case RowEdit::Cut:
            return "Cut Channel";
        case RowEdit::Paste:
            return "Paste Channel";
    }
    return "";
}

bool applyRowEdit(TokenArray& tokens, RowEdit edit, bool digital,
                  const std::vector<std::size_t>& rows, ChannelClipboard& clipboard) {
    switch (edit) {
        case RowEdit::Delete:
            return deleteRows(tokens, digital, rows);
        case RowEdit::InsertNull:
            return insertNullRows(tokens, digital, rows.front(), rows.size());
        case RowEdit::Cut:
            return cutRows(tokens, digital, rows, clipboard);
        case RowEdit::Paste:
            return pasteRows(tokens, digital, rows.front(), clipboard);
    }
    return false;
}

}  // namespace

bool editSelectedRows(ListDocument& document, RowEdit edit, bool digital,
                      const std::vector<std::size_t>& rows, ChannelClipboard& clipboard) {
    if (rows.empty() || !document.editable()) return false;
    const bool changed = document.edit(
        labelOf(edit),
        [&](ListEdit& list) { return applyRowEdit(list.tokens(), edit, digital, rows, clipboard); },
        Renumber::Yes);
    // The views show the list anew either way, with the selection put back by the caller.
    if (!changed) document.changed(false);
    return changed;
}

bool canPaste(const ChannelClipboard& clipboard, bool digital) {
    if (!digital) return !clipboard.empty(RecordKind::Analog);
    return !clipboard.empty(RecordKind::Digital) || !clipboard.empty(RecordKind::Pid);
}

bool newChannel(ListDocument& document, IChannelEditor* editor, bool digital) {
    return editor && document.editable() && editor->newChannel(document, digital);
}

}  // namespace sky
