// The channel database's serial transfers, each on the program's own serial port.

#include <optional>

#include "db/ListDB.h"
#include "db/SiblingPath.h"
#include "serial/ChannelUpload.h"
#include "serial/Comm.h"
#include "serial/FlashDownload.h"
#include "serial/PrivateTempDir.h"

namespace sky {

int CListDB::DownloadCurrent() {
    const std::optional<std::string> image = siblingPath(path, ".bin");
    if (!image) {
        ui.message(notTextPathMessage(path));
        return 0;
    }
    return DownloadFile(*image);
}

int CListDB::DownloadFile(const std::string& file) {
    CComm port;
    return flashDownload(port, settings, ui, file);
}

int CListDB::UploadChannelList() {
    std::string problem;
    const std::optional<std::string> uploadPath = uploadFilePath(problem);
    if (!uploadPath) {
        ui.message(problem);
        return 0;
    }
    CComm port;
    return uploadChannelList(port, settings, ui, *uploadPath);
}

}  // namespace sky
