// The channel database's serial transfers, each on the program's own serial port.

#include <optional>

#include "db/SiblingPath.h"
#include "listdb/ListFile.h"
#include "serial/ChannelUpload.h"
#include "serial/FlashDownload.h"
#include "serial/TermiosPort.h"

namespace sky {

bool ListFile::downloadCurrent() {
    const std::optional<std::string> image = siblingPath(path, ".bin");
    if (!image) {
        ui.message(notTextPathMessage(path));
        return false;
    }
    return downloadFile(*image);
}

bool ListFile::downloadFile(const std::string& file) {
    TermiosPort port;
    return sky::flashDownload(port, settings, ui, file);
}

bool ListFile::uploadChannelList(const std::string& uploadPath, bool announceSuccess) {
    TermiosPort port;
    return sky::uploadChannelList(port, settings, ui, uploadPath, kUploadLimit, announceSuccess);
}

}  // namespace sky
