#include "editor/export/ExportTarget.h"

#include "common/SameFile.h"
#include "db/SiblingPath.h"

namespace sky {

namespace {

bool isListFile(const std::string& path, const std::string& listPath) {
    if (sameFile(path, listPath)) return true;
    for (const char* extension : {".hex", ".bin", ".bak"}) {
        if (sameFile(path, siblingPath(listPath, extension).value_or(""))) return true;
    }
    return false;
}

}  // namespace

std::optional<std::string> exportTargetRefusal(const std::string& target,
                                               const std::string& listPath) {
    if (!isListFile(target, listPath)) return std::nullopt;
    return "CANCELED : " + target +
           " belongs to the open channel list. Export under another name!!!";
}

}  // namespace sky
