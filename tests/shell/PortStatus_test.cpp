// The Option dialog's word on a port against the transfer's own opening of it: a port shown as
// ready opens for a transfer, one the transfer refuses as no terminal is never shown as ready.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "serial/TermiosPort.h"
#include "shell/OptionDialogData.h"
#include "support/TempDir.h"

namespace sky {
namespace {

TEST(PortStatus, TheOptionDialogAndTheTransferAgreeOnEachDevice) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const std::string terminal = ::ptsname(master);
    test::TempDir dir;
    test::writeFile(dir.file("ttyUSB0"), "a regular file");

    for (const std::string& device : std::vector<std::string>{terminal, dir.file("ttyUSB0"),
                                                              "/dev/null", dir.file("ttyUSB9")}) {
        SCOPED_TRACE(device);
        TermiosPort port;
        const bool opens = port.open(device);
        port.close();
        const bool ready =
            OptionDialogData::deviceState(device) == OptionDialogData::DeviceState::Ready;
        EXPECT_EQ(ready, opens) << port.openError();
        if (port.openError() == "not a terminal device") {
            EXPECT_EQ(OptionDialogData::deviceStatus(device), "Present, not a serial port");
        }
    }
    EXPECT_EQ(OptionDialogData::deviceStatus(terminal), "Present, ready");
    ::close(master);
}

}  // namespace
}  // namespace sky
