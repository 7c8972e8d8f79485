// The serial devices present, as the port choice lists them.

#include "serial/SerialDevices.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace sky::test {
namespace {

TEST(SerialDevices, TerminalsInNaturalOrderThenStableNames) {
    TempDir dir;
    for (const char* name : {"ttyS10", "ttyS2", "ttyUSB0", "ttyACM1", "tty0", "ttyUSBx", "null"}) {
        writeFile(dir.file(name), "");
    }
    std::filesystem::create_directories(dir.path() / "serial" / "by-id");
    writeFile((dir.path() / "serial" / "by-id" / "usb-FTDI_1234-if00").string(), "");
    const std::string root = dir.path().string();
    EXPECT_EQ(
        serialDevicesPresent(root),
        (std::vector<std::string>{root + "/ttyS2", root + "/ttyS10", root + "/ttyUSB0",
                                  root + "/ttyACM1", root + "/serial/by-id/usb-FTDI_1234-if00"}));
}

}  // namespace
}  // namespace sky::test
