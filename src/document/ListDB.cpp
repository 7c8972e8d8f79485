#include "document/ListDB.h"

#include <optional>
#include <utility>

#include "compiler/PacketConverter.h"
#include "db/SiblingPath.h"
#include "db/TextWriter.h"

namespace sky {

CListDB::CListDB(const RuntimeSettings& runtimeSettings, IUserInterface& userInterface,
                 std::string listPath)
    : path(std::move(listPath)), settings(runtimeSettings), ui(userInterface) {}

CompileJob CListDB::job(CompileMode mode, bool checkOnly) const {
    return {path, mode, checkOnly, splitList, settings.maxSatellite40 ? 40 : 32};
}

bool CListDB::Compile(CompileMode mode) {
    compileMode = mode;
    const bool compiled = compileList(job(mode, false), ui);
    if (const std::optional<std::string> textPath = siblingPath(path, ".txt")) path = *textPath;
    return compiled;
}

bool CListDB::Check() {
    return compileList(job(CompileMode::Basic, true), ui);
}

LoadResult CListDB::LoadChannelList(TokenArray& tokens) {
    if (!Check()) {
        ui.message("The Text Format is not correct");
        return LoadResult::Failed;
    }
    return readChannelList(path, tokens, ui);
}

bool CListDB::SaveText(const TokenArray& tokens) {
    return writeChannelList(path, tokens, ui);
}

bool CListDB::ConvertImage() {
    return convertImage(path, ui);
}

}  // namespace sky
