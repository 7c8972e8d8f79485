// The commands on channel-list files: check, compile, convert and format.

#include <cctype>
#include <filesystem>
#include <optional>
#include <string>

#include "Arguments.h"
#include "Commands.h"
#include "ConsoleUi.h"
#include "compiler/PacketConverter.h"
#include "listdb/CompileCommands.h"
#include "listdb/ListFile.h"

namespace sky::cli {

int runCheck(const std::vector<std::string>& args) {
    const std::optional<Arguments> parsed = listArguments(args);
    if (!parsed) return kUsage;
    const RuntimeSettings settings = listSettings(*parsed);
    ConsoleUi ui;
    ListFile db(settings, ui, parsed->positional()[0]);
    return db.check() ? kSuccess : kFailure;
}

int runCompile(const std::vector<std::string>& args) {
    const std::optional<Arguments> parsed = listArguments(args, {"--mode"});
    if (!parsed) return kUsage;
    const std::string mode = parsed->value("--mode").value_or("");
    if (mode != "basic" && mode != "normal" && mode != "preinstalled" && mode != "split") {
        return usageError("--mode must be basic, normal, preinstalled or split");
    }
    const RuntimeSettings settings = listSettings(*parsed);
    ConsoleUi ui;
    ListFile db(settings, ui, parsed->positional()[0]);
    TokenArray tokens;
    if (db.loadChannelList(tokens) == LoadResult::Failed) return kFailure;

    bool made = false;
    if (mode == "basic" || mode == "normal") {
        made =
            compileCommand(db, tokens, mode == "normal" ? CompileMode::Normal : CompileMode::Basic);
    } else {
        made = preInstalledCompileCommand(db, tokens, mode == "split");
    }
    return made ? kSuccess : kFailure;
}

int runConvert(const std::vector<std::string>& args) {
    Arguments parsed;
    if (!parsed.parse(args, {}, {})) return usageError(parsed.error());
    if (parsed.positional().size() != 1) return usageError("expected one IMAGE.hex file");
    const std::filesystem::path image = parsed.positional()[0];
    std::string extension = image.extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension != ".hex" || image.stem().empty()) {
        return usageError("the image file name must end in .hex");
    }
    ConsoleUi ui;
    // The image is converted by its own path, whatever the case of its extension.
    return convertHexFile(image.string(),
                          std::filesystem::path(image).replace_extension(".bin").string(), ui)
               ? kSuccess
               : kFailure;
}

int runFormat(const std::vector<std::string>& args) {
    const std::optional<Arguments> parsed = listArguments(args);
    if (!parsed) return kUsage;
    const RuntimeSettings settings = listSettings(*parsed);
    ConsoleUi ui;
    ListFile db(settings, ui, parsed->positional()[0]);
    TokenArray tokens;
    if (db.loadChannelList(tokens) == LoadResult::Failed) return kFailure;
    return saveList(db, tokens) ? kSuccess : kFailure;
}

}  // namespace sky::cli
