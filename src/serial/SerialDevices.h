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

// The stable name under serial/by-id that links to the device, for a device named otherwise
// (such as ttyUSB0, whose number can change from one plugging to the next).
std::optional<std::string> stableNameOf(const std::string& device,
                                        const std::string& deviceFolder = "/dev");

}  // namespace sky
