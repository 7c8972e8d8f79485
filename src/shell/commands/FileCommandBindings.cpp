#include "shell/commands/FileCommandBindings.h"

#include <ctime>
#include <string>

#include "shell/commands/ApplyOrderCommand.h"
#include "shell/commands/CommandRouter.h"
#include "shell/commands/CopyRowsCommand.h"
#include "shell/commands/ExportCommand.h"
#include "shell/commands/ImportChannelsCommand.h"
#include "shell/commands/ImportTranspondersCommand.h"
#include "shell/commands/SaveAsReferenceCommand.h"
#include "shell/history/HistoryCommand.h"

namespace sky {

namespace {

// Today as the HTML page names it: "2024-03-01".
std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

}  // namespace

void bindFileCommands(CommandRouter& router, FileCommandContext context) {
    router.bind(Command::ApplyOrder, {{}, [context] { applyOrderFromList(context); }});
    router.bind(Command::SaveAsReference, {{}, [context] { saveAsReference(context); }});
    router.bind(Command::ImportTransponders,
                {{}, [context] { importTranspondersFromTable(context); }});
    router.bind(Command::ExportCsv,
                {{}, [context] { exportList(context, ExportFormat::Csv, today()); }});
    router.bind(Command::ExportHtml,
                {{}, [context] { exportList(context, ExportFormat::Html, today()); }});
    router.bind(Command::ImportChannels, {{}, [context] {
                                              DocumentCommands& doc = context.doc;
                                              runImportChannels(
                                                  doc.list(), doc.window(),
                                                  DocumentCommands::folderOf(doc.currentPath()));
                                          }});
    router.bind(Command::CopyRows, {{}, [context] { copySelectedRows(context); }});
    router.bind(Command::History,
                {{}, [context] { runHistory(context.doc, context.doc.window()); }});
}

}  // namespace sky
