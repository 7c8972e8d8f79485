#pragma once

#include <string>
#include <string_view>

#include "common/RuntimeSettings.h"
#include "common/UserInterface.h"
#include "serial/SerialPort.h"

namespace sky {

// The most the upload receives from the receiver's console, echo and prompts included.
inline constexpr size_t kUploadLimit = 409600;

// Fetches the receiver's channel list through its console into uploadPath: wakes the console,
// types "dumpch", keeps the marked lines of what comes back until "[END]", then types "go" to
// send the receiver back to normal operation. Returns true when the file starts with
// "[SATELLITE_NAME_LIST]" and the receiver was resumed.
bool uploadChannelList(SerialPort& port, const RuntimeSettings& settings, IUserInterface& ui,
                       const std::string& uploadPath);

// The channel-list lines of a console dump: what follows each "||" up to and including the next
// CR LF, with NUL bytes written as spaces. A dump that ends at the console prompt gets its end
// line written over its last bytes.
std::string filterMarkedLines(std::string_view dump);

}  // namespace sky
