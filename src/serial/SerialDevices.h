#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sky {

// The serial devices present under a device folder (normally /dev): the terminals ttyS*, ttyUSB*
// and ttyACM* in natural order, then the stable names under serial/by-id where they exist.
std::vector<std::string> serialDevicesPresent(const std::string& deviceFolder = "/dev");

// The same without the ttyS* that do not answer as terminals: a PC has many such names, most of
// them without a port behind them.
std::vector<std::string> serialDevicesAnswering(const std::string& deviceFolder = "/dev");

// Whether an open device is a terminal, as a transfer requires of its port.
bool isTerminal(int fd);

// What opening the device without waiting tells of it: a terminal, something else (a regular file,
// /dev/null), or nothing, as it could not be opened (absent, not ours, in use).
enum class TerminalCheck { Terminal, NotTerminal, Unopened };
TerminalCheck checkTerminal(const std::string& device);

// The stable name under serial/by-id that links to the device, for a device named otherwise
// (such as ttyUSB0, whose number can change from one plugging to the next).
std::optional<std::string> stableNameOf(const std::string& device,
                                        const std::string& deviceFolder = "/dev");

}  // namespace sky
