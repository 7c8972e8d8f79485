#pragma once

namespace sky {

class CommandRouter;
class IDocumentWindow;
class ListView;

// Binds the list view's commands (the views, the edits, undo, the sorts and the moves) to the
// list view. A sort of a large list takes a moment: the wait cursor shows it.
void bindListCommands(CommandRouter& router, ListView& view, IDocumentWindow& window);

}  // namespace sky
