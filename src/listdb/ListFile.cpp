#include "listdb/ListFile.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "common/Format.h"
#include "compiler/CompileMessages.h"
#include "compiler/PacketConverter.h"
#include "db/FileIo.h"
#include "db/SiblingPath.h"
#include "db/TextWriter.h"

namespace sky {

ListFile::ListFile(const RuntimeSettings& runtimeSettings, IUserInterface& userInterface,
                   std::string listPath)
    : path(std::move(listPath)), settings(runtimeSettings), ui(userInterface) {}

namespace {

constexpr const char* kNotCorrect = "The Text Format is not correct";

}  // namespace

int ListFile::satNameCount() const {
    return settings.maxSatellite40 ? 40 : 32;
}

CompileJob ListFile::job(CompileMode mode, bool checkOnly) const {
    return {path, mode, checkOnly, splitList, satNameCount()};
}

bool ListFile::compile(CompileMode mode) {
    compileMode = mode;
    const bool compiled = compileList(job(mode, false), ui);
    if (const std::optional<std::string> textPath = siblingPath(path, ".txt")) path = *textPath;
    return compiled;
}

bool ListFile::check() {
    return compileList(job(CompileMode::Basic, true), ui);
}

LoadResult ListFile::loadChannelList(TokenArray& tokens) {
    // A missing or empty file would otherwise be reported as a format fault at line 0.
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        ui.message(format("The file does not exist : %s\n", path.c_str()));
        return LoadResult::Failed;
    }
    if (std::filesystem::is_regular_file(path, error) &&
        std::filesystem::file_size(path, error) == 0) {
        ui.message(format("The file is empty : %s\n", path.c_str()));
        return LoadResult::Failed;
    }
    // The file is read once; the check and the reader both work on its text.
    FileView file;
    if (!file.open(path)) {
        ui.message(format(msg::kCantOpenInput, path.c_str()));
        ui.message(kNotCorrect);
        return LoadResult::Failed;
    }
    return loadText(file.bytes(), tokens);
}

LoadResult ListFile::loadText(std::string_view text, TokenArray& tokens) {
    // One pass: the reader takes each line from the check as the check reads it. Until the check
    // has accepted the whole list, what the reader made of it counts for nothing.
    const std::size_t first = tokens.size();
    ListTextReader reader(tokens, text.size());
    std::string failure;
    const bool checked = checkText(
        text, satNameCount(), failure,
        [&reader](std::string_view line, int lineNumber, std::span<const std::string_view> fields) {
            reader.take(line, lineNumber, fields);
        });
    if (!checked) {
        tokens.resize(first);
        if (!failure.empty()) ui.message(failure);
        ui.message(kNotCorrect);
        return LoadResult::Failed;
    }
    return reader.finish(ui);
}

bool ListFile::saveText(const TokenArray& tokens) {
    return writeChannelList(path, tokens, ui);
}

bool ListFile::convertImage() {
    return sky::convertImage(path, ui);
}

}  // namespace sky
