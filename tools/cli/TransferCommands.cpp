// The commands that talk to the receiver: download and upload.

#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>

#include "Arguments.h"
#include "Commands.h"
#include "ConsoleUi.h"
#include "TransferProgress.h"
#include "db/FileIo.h"
#include "db/ReplacementFile.h"
#include "listdb/ListFile.h"
#include "serial/PrivateTempDir.h"
#include "serial/ReceivedLists.h"
#include "serial/TransferHistory.h"

namespace sky::cli {

namespace {

// Parses "COMMAND FILE (--device PATH | --port N)" into the file and the serial settings.
std::optional<RuntimeSettings> transferArguments(const std::vector<std::string>& args,
                                                 const char* fileKind, std::string& file) {
    Arguments parsed;
    if (!parsed.parse(args, {}, {"--device", "--port"})) {
        usageError(parsed.error());
        return std::nullopt;
    }
    if (parsed.positional().size() != 1) {
        usageError(std::string("expected one ") + fileKind);
        return std::nullopt;
    }
    const std::optional<std::string> device = parsed.value("--device");
    const std::optional<std::string> port = parsed.value("--port");
    if (device.has_value() == port.has_value()) {
        usageError("give either --device PATH or --port N");
        return std::nullopt;
    }
    RuntimeSettings settings;
    if (device) {
        settings.comPort = 1;
        settings.portDevices[0] = *device;
    } else {
        const auto [end, error] =
            std::from_chars(port->data(), port->data() + port->size(), settings.comPort);
        if (error != std::errc() || end != port->data() + port->size()) {
            usageError("--port needs a number");
            return std::nullopt;
        }
    }
    file = parsed.positional()[0];
    return settings;
}

std::optional<uint64_t> fileSize(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return static_cast<uint64_t>(info.st_size);
}

// Keeps the list in the history. Its size is the window's setting, which the next transfer of the
// window applies; a copy that cannot be kept is said and changes nothing else.
void keepCopy(HistoryKind kind, const std::string& text, const std::string& image,
              const std::string& source) {
    const std::optional<std::string> problem = keepFileInHistory(
        historyFolder(), kind, text, image, source, std::numeric_limits<uint64_t>::max());
    if (problem) std::fprintf(stderr, "%s\n", historyNotKeptMessage(kind, *problem).c_str());
}

}  // namespace

int runDownload(const std::vector<std::string>& args) {
    std::string image;
    const std::optional<RuntimeSettings> settings =
        transferArguments(args, "download file (.bin)", image);
    if (!settings) return kUsage;
    ConsoleUi console;
    bool sent = false;
    {
        TransferProgress ui(console, fileSize(image).value_or(0));
        ListFile db(*settings, ui);
        sent = db.downloadFile(image);
    }
    if (!sent) return kFailure;
    // An image compiled from a list (LIST.bin beside LIST.txt) is kept with that list.
    const std::string list = std::filesystem::path(image).replace_extension(".txt").string();
    if (::access(list.c_str(), R_OK) == 0) keepCopy(HistoryKind::Sent, list, image, list);
    return kSuccess;
}

int runUpload(const std::vector<std::string>& args) {
    std::string out;
    const std::optional<RuntimeSettings> settings =
        transferArguments(args, "output file (.txt)", out);
    if (!settings) return kUsage;
    std::string problem;
    const std::optional<std::string> uploadPath = uploadFilePath(problem);
    ConsoleUi console;
    if (!uploadPath) {
        console.message(problem, kAppName);
        return kFailure;
    }
    // A list left by an earlier upload must not pass for this one's when this one fails early.
    ::unlink(uploadPath->c_str());
    bool received = false;
    {
        TransferProgress ui(console, std::nullopt);
        ListFile db(*settings, ui);
        received = db.uploadChannelList(*uploadPath);
    }

    // A failed upload has said why, and where what it received is kept; the output file is left
    // as it was.
    if (!received || !uploadPath) return kFailure;
    const std::optional<std::string> list = readWholeFile(*uploadPath);
    ReplacementFile target(out);
    if (!list || !target.create() || !target.write(*list) || !target.commit()) {
        // The list kept under its own name, which the next upload leaves alone.
        const std::string kept = newestKeptList(*uploadPath).value_or(*uploadPath);
        std::fprintf(stderr, "Cannot write %s; the received list is kept in %s\n", out.c_str(),
                     kept.c_str());
        return kFailure;
    }
    const bool known = settings->comPort >= 1 && settings->comPort <= 4;
    keepCopy(
        HistoryKind::Fetched, *uploadPath, {},
        known ? settings->portDevices[static_cast<size_t>(settings->comPort - 1)] : "receiver");
    return kSuccess;
}

}  // namespace sky::cli
