#pragma once

#include <string>

#include "common/RuntimeSettings.h"
#include "common/UserInterface.h"
#include "serial/SerialPort.h"

namespace sky {

// Sends the download file at imagePath to the receiver on the configured port: connect on the
// receiver's DN_OPER_REQ, send the image header, then each packet with its own header, each
// acknowledged, then wait for the receiver's report. Returns true only when the receiver reported
// that it wrote the image; every path out closes the file and the port.
bool flashDownload(SerialPort& port, const RuntimeSettings& settings, IUserInterface& ui,
                   const std::string& imagePath);

}  // namespace sky
