#include "shell/commands/SaveAsReferenceCommand.h"

#include <optional>
#include <string>
#include <vector>

#include "common/SameFile.h"
#include "db/ReplacementFile.h"
#include "db/SiblingPath.h"
#include "editor/order/OrderReference.h"
#include "editor/view/ListView.h"

namespace sky {

namespace {

const std::vector<FileFilter>& referenceSaveFilters() {
    static const std::vector<FileFilter> filters{{"Reference list (number;name)", {"*.csv"}},
                                                 {"Text File", {"*.txt"}}};
    return filters;
}

}  // namespace

bool saveAsReference(FileCommandContext context) {
    DocumentCommands& doc = context.doc;
    IUserInterface& ui = doc.ui();
    const std::optional<ChosenFile> chosen =
        doc.window().chooseNewFile("Save as Reference", referenceSaveFilters(),
                                   siblingPath(doc.currentPath(), ".csv").value_or(""));
    if (!chosen) return false;
    const std::string& path = chosen->path;
    // The list's own file would lose the list while the window still counts it as saved.
    if (sameFile(path, doc.currentPath())) {
        ui.message("CANCELED : " + path +
                   " is the open channel list. Save the reference under another name!!!");
        return false;
    }
    const std::string text = referenceText(doc.list().tokens(), context.view.digitalFlag());
    ReplacementFile file(path);
    if (!file.create() || !file.write(text) || !file.commit()) {
        ui.message("ERROR!!! " + path + " could not be written. The reference was not saved.");
        return false;
    }
    ui.statusText("Reference saved as " + path);
    return true;
}

}  // namespace sky
