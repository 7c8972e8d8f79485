#pragma once

#include "common/UserInterface.h"
#include "serial/SerialPort.h"

namespace sky {

// When the user has cancelled the transfer: closes the port, says so in the message window and
// returns true. The transfer then ends without a message box.
inline bool stopIfCancelled(IUserInterface& ui, SerialPort& port) {
    if (!ui.transferCancelled()) return false;
    port.close();
    ui.appendMessage("Transfer cancelled by the user.\r\n");
    return true;
}

}  // namespace sky
