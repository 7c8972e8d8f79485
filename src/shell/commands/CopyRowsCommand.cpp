#include "shell/commands/CopyRowsCommand.h"

#include <vector>

#include "editor/export/ClipboardRows.h"
#include "editor/view/ListView.h"
#include "shell/commands/ExportCommand.h"

namespace sky {

std::size_t copySelectedRows(FileCommandContext context) {
    const std::vector<std::size_t> rows = context.selection.selectedRows();
    if (rows.empty()) return 0;
    const ClipboardRows copied = clipboardRows(context.view.shownList(), rows);
    context.doc.window().setClipboard(copied.text, copied.html);
    context.doc.ui().statusText("Copied " + rowCount(rows.size()));
    return rows.size();
}

}  // namespace sky
