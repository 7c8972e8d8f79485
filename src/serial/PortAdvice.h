#pragma once

#include <string>

#include "serial/PortHolders.h"

namespace sky {

// The group that owns the device ("dialout" on most systems); empty when it cannot be told.
std::string deviceGroup(const std::string& device);

// The name of the user running the program.
std::string currentUserName();

// Why a serial device could not be opened, and what the user can do about it, for the error
// (errno) of the open, of the terminal check or of the lock: access denied, busy or locked,
// absent, not a terminal. Empty for any other error.
std::string portOpenAdvice(const std::string& device, int error, const SystemPlaces& places = {});

}  // namespace sky
