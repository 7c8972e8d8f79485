#pragma once

#include <array>
#include <string>

namespace sky {

// The run-time settings that the core reads. The desktop program keeps them in its options;
// the command-line tool fills them from its arguments.
struct RuntimeSettings {
    // 40 satellite names instead of 32.
    bool maxSatellite40 = false;
    // The serial port number 1 to 4 ("COM1" to "COM4"); other numbers are refused.
    int comPort = 1;
    // The terminal device behind each of COM1 to COM4.
    std::array<std::string, 4> portDevices{"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3"};
    // The number of edits Undo can take back (5 to 200).
    int undoLevels = 5;
};

}  // namespace sky
