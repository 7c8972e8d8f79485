#include "shell/commands/ReferenceFile.h"

#include <filesystem>
#include <system_error>

#include "db/FileIo.h"

namespace sky {

std::optional<OrderReference> readReferenceBeside(const std::string& path, bool digitalView,
                                                  const RuntimeSettings& settings,
                                                  IUserInterface& ui) {
    std::error_code error;
    std::optional<std::string> text;
    if (std::filesystem::is_regular_file(path, error)) text = readWholeFile(path);
    if (!text) {
        ui.message("CANCELED : " + path + " cannot be read. Nothing was applied.");
        return std::nullopt;
    }
    return readOrderReference(*text, path, digitalView, settings, ui);
}

}  // namespace sky
