#pragma once

namespace sky {

class CommandRouter;
class DocumentCommands;

// Binds the document's commands (open, save, the compiles, the transfers, the comparisons) to
// the document's methods.
void bindDocumentCommands(CommandRouter& router, DocumentCommands& doc);

}  // namespace sky
