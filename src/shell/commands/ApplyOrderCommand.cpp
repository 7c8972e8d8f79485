#include "shell/commands/ApplyOrderCommand.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "editor/view/ListView.h"
#include "shell/commands/ReferenceFile.h"

namespace sky {

namespace {

const std::vector<FileFilter>& referenceOpenFilters() {
    static const std::vector<FileFilter> filters{
        channelListFilters().front(),
        {"Reference list (number;name)", {"*.csv", "*.txt"}},
        {"All Files", {"*"}}};
    return filters;
}

}  // namespace

bool applyOrderFromList(FileCommandContext context) {
    DocumentCommands& doc = context.doc;
    const std::optional<std::string> path =
        doc.window().chooseFileToOpen("Apply Order from List", referenceOpenFilters(),
                                      DocumentCommands::folderOf(doc.currentPath()));
    if (!path) return false;
    // A number;name reference orders the channel view shown.
    const std::optional<OrderReference> reference =
        readReferenceBeside(*path, context.view.digitalFlag(), doc.runtime(), doc.ui());
    if (!reference) return false;

    const std::uint64_t revision = doc.list().revision();
    const OrderPreviewRequest request{doc.list().tokens(), *reference,
                                      std::filesystem::path(*path).filename().string()};
    OrderChoice choice;
    if (!doc.window().runOrderPreview(request, choice)) return false;
    const WaitCursor wait(doc.window());
    // The preview's plan holds unless the list changed while the preview was open.
    return applyOrder(doc.list(), *reference, choice.options, choice.plan, revision).has_value();
}

}  // namespace sky
