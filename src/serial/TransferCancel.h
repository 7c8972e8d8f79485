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

// Connects the port's transfer hooks to the user interface for the life of a transfer: its
// waits end at the user's cancel, and the bytes it moves are reported as activity.
class TransferHooks {
public:
    TransferHooks(SerialPort& port, IUserInterface& ui) : port_(port) {
        port.setTransferHooks([&ui] { return ui.transferCancelled(); },
                              [&ui] { ui.transferActivity(); });
    }
    ~TransferHooks() { port_.setTransferHooks({}, {}); }
    TransferHooks(const TransferHooks&) = delete;
    TransferHooks& operator=(const TransferHooks&) = delete;

private:
    SerialPort& port_;
};

}  // namespace sky
