#include "listdb/CompileCommands.h"

#include <algorithm>
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

CompileOptions optionsOf(const ListFile& db, CompileMode mode) {
    return {mode, db.splitList, db.settings.maxSatellite40 ? 40 : 32};
}

// Compiles the list as it is shown; on failure shows the compiler's message and "Making a HEX
// file is failed!".
std::optional<CompiledImage> compileShown(ListFile& db, const TokenArray& tokens,
                                          CompileMode mode) {
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

enum class HexFile { Written, NotCreated, NotWritten };

// Writes base.hex, the images' hex texts one after the other, whole or not at all. Shows nothing,
// so that it may run beside the user interface's thread.
HexFile writeHexFile(const std::string& hexPath, std::span<const CompiledImage> images) {
    ReplacementFile file(hexPath);
    if (!file.create()) return HexFile::NotCreated;
    const auto append = [&file](std::string_view text) { return file.append(text); };
    for (const CompiledImage& image : images) {
        if (!putHexText(image.address, image.bytes, append)) return HexFile::NotWritten;
    }
    return file.close() && file.commit() ? HexFile::Written : HexFile::NotWritten;
}

// Shows why base.hex was not written, and removes it; false then.
bool hexWritten(ListFile& db, const std::string& hexPath, HexFile result) {
    if (result == HexFile::Written) return true;
    db.ui.message(
        format(result == HexFile::NotCreated ? msg::kCantOpenOutput : msg::kCantWriteOutput,
               hexPath.c_str()));
    removeImage(hexPath);
    db.ui.message(kHexFailed);
    return false;
}

// The backup a save of the list would leave, base.bak, holding the text file as it is: the
// compiles leave it as they always have. A file that cannot be copied leaves no backup, as a save
// without a previous file does.
void keepBackup(const ListFile& db) {
    const std::optional<std::string> backupPath = siblingPath(db.path, ".bak");
    if (!backupPath) return;
    std::error_code error;
    if (!std::filesystem::is_regular_file(db.path, error)) return;
    std::filesystem::copy_file(db.path, *backupPath,
                               std::filesystem::copy_options::overwrite_existing, error);
}

bool binWritten(ListFile& db, bool written) {
    if (written) return true;
    db.ui.message("Making a BIN file is failed!");
    return false;
}

// Writes base.hex and converts the images into base.bin, as a conversion of base.hex would. An
// image that holds bytes makes its download file without a message, so that is done here while
// another thread writes base.hex; base.bin is written only once base.hex is complete.
bool writeImageFiles(ListFile& db, const std::string& hexPath,
                     std::span<const CompiledImage> images) {
    const std::optional<std::string> binPath = siblingPath(db.path, ".bin");
    const bool holdBytes =
        std::none_of(images.begin(), images.end(),
                     [](const CompiledImage& image) { return image.bytes.empty(); });
    if (!holdBytes) {
        return hexWritten(db, hexPath, writeHexFile(hexPath, images)) &&
               binWritten(db, binPath && convertImages(images, *binPath, db.ui));
    }
    std::future<HexFile> hex = std::async(
        std::launch::async, [&hexPath, images] { return writeHexFile(hexPath, images); });
    std::optional<std::string> download = buildDownloadFile(images, db.ui);
    return hexWritten(db, hexPath, hex.get()) &&
           binWritten(db, binPath && saveDownloadFile(std::move(download), *binPath, db.ui));
}

// The image path beside the list, or nothing after the message for a path without ".txt".
std::optional<std::string> imagePath(ListFile& db) {
    const std::optional<std::string> hexPath = siblingPath(db.path, ".hex");
    if (!hexPath) db.ui.message(notTextPathMessage(db.path));
    return hexPath;
}

}  // namespace

bool saveList(ListFile& db, const TokenArray& tokens) {
    if (db.saveText(tokens)) return true;
    db.ui.message("ERROR!!! Saving not Complete");
    return false;
}

bool compileCommand(ListFile& db, const TokenArray& tokens, CompileMode mode) {
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
    return writeImageFiles(db, *hexPath, images);
}

bool buildPreInstalledImage(ListFile& db, const TokenArray& tokens) {
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
    return writeImageFiles(db, *hexPath, images);
}

bool preInstalledCompileCommand(ListFile& db, const TokenArray& tokens, bool splitList) {
    db.splitList = splitList;
    keepBackup(db);
    const bool result = buildPreInstalledImage(db, tokens);
    if (splitList) db.splitList = false;
    return result;
}

}  // namespace sky
