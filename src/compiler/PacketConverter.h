#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/UserInterface.h"
#include "compiler/CompiledImage.h"

namespace sky {

// Cuts the receiver image given as hex text (lines of an 8-digit address and its data bytes) into
// the download file: a 14-byte header with the totals, then packets of at most a few kilobytes,
// each with its load address, length and CRC-32. A packet never spans a gap in the addresses.
// Returns the file's bytes, or nothing after showing why the image cannot be converted.
std::optional<std::string> buildDownloadFile(std::string_view hexText, IUserInterface& ui);
// The same for images given by their bytes, one after the other, as of their hex texts one after
// the other.
std::optional<std::string> buildDownloadFile(std::span<const CompiledImage> images,
                                             IUserInterface& ui);

// Turns base.hex beside the channel list at listPath into the download file base.bin. After a
// failure, shown with its message, no base.bin is left.
bool convertImage(const std::string& listPath, IUserInterface& ui);

// Turns the image hexPath into the download file binPath, with convertImage()'s messages.
bool convertHexFile(const std::string& hexPath, const std::string& binPath, IUserInterface& ui);

// Turns an image whose hex text is already in memory into the download file binPath, with
// convertHexFile()'s messages and files, so a freshly compiled image need not be read back.
bool convertHexText(std::string_view hexText, const std::string& binPath, IUserInterface& ui);
// Writes a download file already made by buildDownloadFile() to binPath, with the messages and
// files of a conversion (nothing: a failure already shown, and no binPath is left).
bool saveDownloadFile(std::optional<std::string> download, const std::string& binPath,
                      IUserInterface& ui);

// The same for compiled images, one after the other, without their hex text.
bool convertImages(std::span<const CompiledImage> images, const std::string& binPath,
                   IUserInterface& ui);

}  // namespace sky
