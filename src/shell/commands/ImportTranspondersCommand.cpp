#include "shell/commands/ImportTranspondersCommand.h"

#include "db/scan/ScanTableFiles.h"

namespace sky {

std::size_t importTranspondersFromTable(FileCommandContext context) {
    DocumentCommands& doc = context.doc;
    TransponderChoice choice;
    if (!doc.window().runTransponderImport(doc.list().tokens(), listScanTables(), choice)) return 0;
    if (choice.newSatellite) {
        return importTranspondersToNew(doc.list(), choice.preview, *choice.newSatellite);
    }
    return importTransponders(doc.list(), choice.preview);
}

}  // namespace sky
