#include "app/frame/OtherListCommands.h"

#include <QFileInfo>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "app/dialogs/ApplyOrderDialog.h"
#include "app/dialogs/ImportTranspondersDialog.h"
#include "app/frame/MainWindow.h"
#include "app/frame/QtDocumentWindow.h"
#include "app/frame/QtUserInterface.h"
#include "common/SameFile.h"
#include "db/FileIo.h"
#include "db/ReplacementFile.h"
#include "db/SiblingPath.h"
#include "db/scan/ScanTableFiles.h"
#include "editor/order/ApplyOrder.h"
#include "editor/order/OrderReference.h"
#include "editor/scan/TransponderImport.h"
#include "editor/view/ListView.h"

namespace sky::app {

namespace {

const std::vector<FileFilter>& referenceOpenFilters() {
    static const std::vector<FileFilter> filters{
        channelListFilters().front(),
        {"Reference list (number;name)", {"*.csv", "*.txt"}},
        {"All Files", {"*"}}};
    return filters;
}

const std::vector<FileFilter>& referenceSaveFilters() {
    static const std::vector<FileFilter> filters{{"Reference list (number;name)", {"*.csv"}},
                                                 {"Text File", {"*.txt"}}};
    return filters;
}

// The text of a reference file; nothing (after its message) for a file that cannot be read or
// is not a regular file, such as a device that would never end.
std::optional<std::string> readReferenceFile(const std::string& path, IUserInterface& ui) {
    std::error_code error;
    std::optional<std::string> text;
    if (std::filesystem::is_regular_file(path, error)) text = readWholeFile(path);
    if (!text) ui.message("CANCELED : " + path + " cannot be read. Nothing was applied.");
    return text;
}

}  // namespace

void applyOrderFromList(MainWindow& frame) {
    DocumentCommands& doc = frame.document();
    IUserInterface& ui = frame.userInterface();
    const std::optional<std::string> path =
        frame.documentWindow().chooseFileToOpen("Apply Order from List", referenceOpenFilters(),
                                                DocumentCommands::folderOf(doc.currentPath()));
    if (!path) return;
    const std::optional<std::string> text = readReferenceFile(*path, ui);
    if (!text) return;
    // A number;name reference orders the channel view shown.
    const std::optional<OrderReference> reference =
        readOrderReference(*text, *path, frame.listView().digitalFlag(), frame.runtime(), ui);
    if (!reference) return;

    const std::uint64_t revision = doc.list().revision();
    ApplyOrderDialog dialog(doc.list().tokens(), *reference,
                            QFileInfo(QString::fromStdString(*path)).fileName(), &frame);
    if (dialog.exec() != QDialog::Accepted) return;
    WaitCursor wait(doc.window());
    // The preview's plan holds unless the list changed while the dialog was open.
    applyOrder(doc.list(), *reference, dialog.options(), dialog.plan(), revision);
}

void saveAsReference(MainWindow& frame) {
    DocumentCommands& doc = frame.document();
    IUserInterface& ui = frame.userInterface();
    const std::optional<std::string> path =
        frame.documentWindow().chooseNewFile("Save as Reference", referenceSaveFilters(),
                                             siblingPath(doc.currentPath(), ".csv").value_or(""));
    if (!path) return;
    // The list's own file would lose the list while the window still counts it as saved.
    if (sameFile(*path, doc.currentPath())) {
        ui.message("CANCELED : " + *path +
                   " is the open channel list. Save the reference under another name!!!");
        return;
    }
    const std::string text = referenceText(doc.list().tokens(), frame.listView().digitalFlag());
    ReplacementFile file(*path);
    if (!file.create() || !file.write(text) || !file.commit()) {
        ui.message("ERROR!!! " + *path + " could not be written. The reference was not saved.");
        return;
    }
    ui.statusText("Reference saved as " + *path);
}

void importTransponders(MainWindow& frame) {
    DocumentCommands& doc = frame.document();
    ImportTranspondersDialog dialog(doc.list().tokens(), listScanTables(), doc.window(), &frame);
    if (dialog.exec() != QDialog::Accepted) return;
    if (const std::optional<NewSatellite> satellite = dialog.chosenNewSatellite()) {
        importTranspondersToNew(doc.list(), dialog.preview(), *satellite);
    } else {
        sky::importTransponders(doc.list(), dialog.preview());
    }
}

}  // namespace sky::app
