#pragma once

#include <string>
#include <vector>

namespace sky {

// The serial devices present under a device folder (normally /dev): the terminals ttyS*, ttyUSB*
// and ttyACM* in natural order, then the stable names under serial/by-id where they exist.
std::vector<std::string> serialDevicesPresent(const std::string& deviceFolder = "/dev");

}  // namespace sky
