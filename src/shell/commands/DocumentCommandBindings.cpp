#include "shell/commands/DocumentCommandBindings.h"

#include "shell/commands/CommandRouter.h"

namespace sky {

namespace {

// A command that runs a method of the document; its state is the table's.
CommandHandler calling(DocumentCommands& doc, bool (DocumentCommands::*method)()) {
    return {{}, [&doc, method] { (doc.*method)(); }};
}

}  // namespace

void bindDocumentCommands(CommandRouter& router, DocumentCommands& doc) {
    using D = DocumentCommands;
    router.bind(Command::Open, calling(doc, &D::onFileOpen));
    router.bind(Command::Save, calling(doc, &D::onFileSave));
    router.bind(Command::SaveAs, calling(doc, &D::onFileSaveAs));
    router.bind(Command::BasicCompile, {{}, [&doc] { doc.onCompile(CompileMode::Basic); }});
    router.bind(Command::CompileNormal, {{}, [&doc] { doc.onCompile(CompileMode::Normal); }});
    router.bind(Command::PreInstalled1List, {{}, [&doc] { doc.onPreInstalledCompile(false); }});
    router.bind(Command::PreInstalledSplit, {{}, [&doc] { doc.onPreInstalledCompile(true); }});
    router.bind(Command::DownloadCurrent, calling(doc, &D::onDownloadCurrent));
    router.bind(Command::DownloadOthers, calling(doc, &D::onDownloadOthers));
    router.bind(Command::CompileDownload, calling(doc, &D::onCompileDownload));
    router.bind(Command::UploadStart, calling(doc, &D::onUploadStart));
    router.bind(Command::DownloadBinaryFile, calling(doc, &D::onDownloadBinaryFile));
    router.bind(Command::CompareWithList, calling(doc, &D::onCompareWithList));
    router.bind(Command::CompareWithReceiver, calling(doc, &D::onCompareWithReceiver));
    // The split-list flag is the database's: it exists once a list has been read.
    router.bind(Command::SplitListToggle, {[&doc] {
                                               CommandState state;
                                               const ListFile* db = doc.database();
                                               state.enabled = db != nullptr;
                                               state.checked = db && db->splitList;
                                               return state;
                                           },
                                           [&doc] { doc.onSplitListToggle(); }});
}

}  // namespace sky
