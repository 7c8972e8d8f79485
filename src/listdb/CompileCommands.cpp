#include "listdb/CompileCommands.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <future>
#include <span>
#include <system_error>
#include <utility>

#include "common/Format.h"
#include "compiler/CompileMessages.h"
#include "compiler/HexText.h"
#include "compiler/PacketConverter.h"
#include "db/ReplacementFile.h"
#include "db/SiblingPath.h"

namespace sky {

namespace {

constexpr const char* kHexFailed = "Making a HEX file is failed!";

CompileOptions optionsOf(const CListDB& db, CompileMode mode) {
    return {mode, db.splitList, db.settings.maxSatellite40 ? 40 : 32};
}

// Compiles the list as it is shown; on failure shows the compiler's message and "Making a HEX
// file is failed!".
std::optional<CompiledImage> compileShown(CListDB& db, const TokenArray& tokens, CompileMode mode) {
    db.compileMode = mode;
    std::string failure;
    std::optional<CompiledImage> image = compileTokens(tokens, optionsOf(db, mode), failure);
    if (!image) {
        db.ui.message(failure);
        db.ui.message(kHexFailed);
    }
    return image;
}

// Removes base.hex: after a failed compile no image is left that could pass for this list's.
void removeImage(const std::string& hexPath) {
    std::remove(hexPath.c_str());
}

// Writes base.hex, the images' hex texts one after the other, whole or not at all.
bool writeImage(CListDB& db, const std::string& hexPath, std::span<const CompiledImage> images) {
    ReplacementFile file(hexPath);
    const auto written = [&file, images] {
        const auto append = [&file](std::string_view text) { return file.append(text); };
        for (const CompiledImage& image : images) {
            if (!putHexText(image.address, image.bytes, append)) return false;
        }
        return file.close() && file.commit();
    };
    if (!file.create()) {
        db.ui.message(format(msg::kCantOpenOutput, hexPath.c_str()));
    } else if (!written()) {
        db.ui.message(format(msg::kCantWriteOutput, hexPath.c_str()));
    } else {
        return true;
    }
    removeImage(hexPath);
    db.ui.message(kHexFailed);
    return false;
}

// The backup a save of the list would leave, base.bak, holding the text file as it is: the
// compiles leave it as they always have. A file that cannot be copied leaves no backup, as a save
// without a previous file does.
void keepBackup(const CListDB& db) {
    const std::optional<std::string> backupPath = siblingPath(db.path, ".bak");
    if (!backupPath) return;
    std::error_code error;
    if (!std::filesystem::is_regular_file(db.path, error)) return;
    std::filesystem::copy_file(db.path, *backupPath,
                               std::filesystem::copy_options::overwrite_existing, error);
}

// Converts the images just written as base.hex into base.bin from the images themselves, as a
// conversion of base.hex would.
bool convertWritten(CListDB& db, std::span<const CompiledImage> images) {
    const std::optional<std::string> binPath = siblingPath(db.path, ".bin");
    if (binPath && convertImages(images, *binPath, db.ui)) return true;
    db.ui.message("Making a BIN file is failed!");
    return false;
}

// The image path beside the list, or nothing after the message for a path without ".txt".
std::optional<std::string> imagePath(CListDB& db) {
    const std::optional<std::string> hexPath = siblingPath(db.path, ".hex");
    if (!hexPath) db.ui.message(notTextPathMessage(db.path));
    return hexPath;
}

}  // namespace

bool saveList(CListDB& db, const TokenArray& tokens) {
    if (db.SaveText(tokens)) return true;
    db.ui.message("ERROR!!! Saving not Complete");
    return false;
}

bool compileCommand(CListDB& db, const TokenArray& tokens, CompileMode mode) {
    const std::optional<std::string> hexPath = imagePath(db);
    if (!hexPath) return false;
    // The backup is the file system's work alone: it is copied while the list compiles, and is
    // there when the command returns.
    const std::future<void> backup = std::async(std::launch::async, [&db] { keepBackup(db); });
    std::optional<CompiledImage> image = compileShown(db, tokens, mode);
    if (!image) {
        removeImage(*hexPath);
        return false;
    }
    const std::array<CompiledImage, 1> images{std::move(*image)};
    return writeImage(db, *hexPath, images) && convertWritten(db, images);
}

bool buildPreInstalledImage(CListDB& db, const TokenArray& tokens) {
    const std::optional<std::string> hexPath = imagePath(db);
    if (!hexPath) return false;
    // The Normal image, then the Basic image.
    std::optional<CompiledImage> normal = compileShown(db, tokens, CompileMode::Normal);
    std::optional<CompiledImage> basic =
        normal ? compileShown(db, tokens, CompileMode::Basic) : std::nullopt;
    if (!normal || !basic) {
        removeImage(*hexPath);
        return false;
    }
    const std::array<CompiledImage, 2> images{std::move(*normal), std::move(*basic)};
    return writeImage(db, *hexPath, images) && convertWritten(db, images);
}

bool preInstalledCompileCommand(CListDB& db, const TokenArray& tokens, bool splitList) {
    db.splitList = splitList;
    keepBackup(db);
    const bool result = buildPreInstalledImage(db, tokens);
    if (splitList) db.splitList = false;
    return result;
}

}  // namespace sky
