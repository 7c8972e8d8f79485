#include "shell/history/TransferCopy.h"

#include <optional>

#include "db/SiblingPath.h"

namespace sky {

namespace {

void keepCopy(IUserInterface& ui, const Settings& settings, HistoryKind kind,
              const std::string& textPath, const std::string& binPath, const std::string& source) {
    const uint64_t limit = static_cast<uint64_t>(settings.historyLimitMb()) * 1024 * 1024;
    const std::optional<std::string> problem =
        keepFileInHistory(historyFolder(), kind, textPath, binPath, source, limit);
    if (problem) ui.message(historyNotKeptMessage(kind, *problem));
}

}  // namespace

void keepSentCopy(IUserInterface& ui, const Settings& settings, const std::string& listPath) {
    keepCopy(ui, settings, HistoryKind::Sent, listPath,
             siblingPath(listPath, ".bin").value_or(std::string()), listPath);
}

void keepFetchedCopy(IUserInterface& ui, const Settings& settings, const std::string& uploadPath,
                     const RuntimeSettings& runtime) {
    const bool known = runtime.comPort >= 1 && runtime.comPort <= 4;
    keepCopy(ui, settings, HistoryKind::Fetched, uploadPath, {},
             known ? runtime.portDevices[static_cast<size_t>(runtime.comPort - 1)] : "receiver");
}

}  // namespace sky
