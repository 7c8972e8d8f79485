#pragma once

#include <string>
#include <string_view>

#include "common/RuntimeSettings.h"
#include "common/UserInterface.h"
#include "serial/SerialPort.h"

namespace sky {

// The most the upload receives from the receiver's console, echo and prompts included. The
// largest list the receiver holds (skylister-listgen's) dumps as 4,215,707 bytes; the limit leaves
// room for four times that, and only a console that never stops printing reaches it.
inline constexpr size_t kUploadLimit = 16 * 1024 * 1024;

// Fetches the receiver's channel list through its console into uploadPath: wakes the console,
// types "dumpch", keeps the marked lines of what comes back until "[END]", then types "go" to
// send the receiver back to normal operation. Returns true when the dump came whole (it ended
// with "[END]", or at the console prompt after a complete line), the file starts with
// "[SATELLITE_NAME_LIST]" and the receiver was resumed. A dump that ends early is kept in
// uploadPath and reported as not complete (or, when the device went away during it, as gone,
// without resuming the receiver); a cancel writes no file. Each received list is also kept under
// a name of its own beside uploadPath (keepReceivedList), which the messages name. The message
// window is cleared at the start and tells each step and the result; the amount received is
// reported as it comes, with a position estimated from the list received last. A success is
// shown in a box only when announceSuccess is set (a fetch for a comparison ends with the
// comparison). The limit is kUploadLimit except in tests.
bool uploadChannelList(SerialPort& port, const RuntimeSettings& settings, IUserInterface& ui,
                       const std::string& uploadPath, size_t limit = kUploadLimit,
                       bool announceSuccess = true);

// The channel-list lines of a console dump: what follows each "||" up to and including the next
// CR LF, with NUL bytes written as spaces. A dump that ends at the console prompt after a line
// break (with or without an empty line before the prompt, or the prompt as a marked line) gets its
// end line after its last row, in place of the prompt.
std::string filterMarkedLines(std::string_view dump);

}  // namespace sky
