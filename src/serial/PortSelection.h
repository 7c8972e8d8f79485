#pragma once

#include <optional>
#include <string>

#include "common/RuntimeSettings.h"
#include "common/UserInterface.h"
#include "serial/SerialPort.h"

namespace sky {

inline constexpr const char* kIllegalPortMessage =
    "Selected Com Port is illegal!!!, Select again at Option Menu";
inline constexpr const char* kPortOpenFailedMessage = "Serial Port Open FAILED!!!";
inline constexpr const char* kInitializeFailedMessage = "Serial Initialize failed";
// A transfer whose device failed under it: a USB adapter pulled out, a receiver's line gone.
inline constexpr const char* kDeviceGoneMessage = "The serial device went away (unplugged?).";

// "COM1" to "COM4" for the port numbers 1 to 4; nothing for any other number.
std::optional<std::string> portName(int number);

// Opens the configured port. An illegal port number gives its message without touching any
// device; a device that cannot be opened gives "Serial Port Open FAILED!!!", followed by the
// port's advice on what to do, with the details in the message window. Returns true when the
// port is open.
bool openConfiguredPort(SerialPort& port, const RuntimeSettings& settings, IUserInterface& ui);

// Applies the line settings; a refusal is shown and the transfer goes on.
void configureLine(SerialPort& port, IUserInterface& ui);

}  // namespace sky
