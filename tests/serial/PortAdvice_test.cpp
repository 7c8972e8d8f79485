// What the user is told when a serial device cannot be opened: why, and what to do about it.

#include "serial/PortAdvice.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "serial/PortSelection.h"
#include "serial/TermiosPort.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky {
namespace {

namespace fs = std::filesystem;

// The program's side of a pseudo-terminal: a real terminal device for the port to open.
struct Pty {
    Pty() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) std::abort();
        device = ::ptsname(master);
    }
    ~Pty() { ::close(master); }
    int master = -1;
    std::string device;
};

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(PortAdvice, AccessDeniedNamesTheGroupToJoin) {
    Pty pty;
    // Tests run as root, for whom file modes deny nothing: the open fails as it would for a
    // user outside the device's group.
    TermiosPort port([](const char*, int) {
        errno = EACCES;
        return -1;
    });
    RuntimeSettings settings;
    settings.portDevices[0] = pty.device;
    test::RecordingUi ui;
    EXPECT_FALSE(openConfiguredPort(port, settings, ui));
    const std::string group = deviceGroup(pty.device);
    ASSERT_FALSE(group.empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], std::string(kPortOpenFailedMessage) + "\n" + port.openAdvice());
    EXPECT_TRUE(contains(port.openAdvice(), "belongs to the group " + group));
    EXPECT_TRUE(
        contains(port.openAdvice(), "sudo usermod -aG " + group + " " + currentUserName() + "\n"));
    EXPECT_TRUE(contains(port.openAdvice(), "log out and in again"));
}

TEST(PortAdvice, ABusyDeviceNamesItsHolder) {
    Pty pty;
    TermiosPort first;
    ASSERT_TRUE(first.open(pty.device));
    TermiosPort second;
    EXPECT_FALSE(second.open(pty.device));
    std::ifstream comm("/proc/self/comm");
    std::string self;
    std::getline(comm, self);
    EXPECT_TRUE(contains(second.openAdvice(), pty.device + " is in use by another program.\n" +
                                                  self + " (PID " + std::to_string(::getpid()) +
                                                  ") holds it: close that program"))
        << second.openAdvice();
    first.close();

    // A live lock file of ModemManager's keeps the port closed, and the advice says how to
    // stop it; a lock file whose owner has ended is stale and ignored.
    test::TempDir dir;
    fs::create_directories(dir.path() / "proc" / "812");
    test::writeFile(dir.file("proc/812/comm"), "ModemManager\n");
    const SystemPlaces places{dir.file("proc"), {dir.path().string()}, "/dev"};
    const std::string lockFile = dir.file("LCK.." + fs::path(pty.device).filename().string());
    test::writeFile(lockFile, "       812\n");
    TermiosPort locked({}, places);
    EXPECT_FALSE(locked.open(pty.device));
    EXPECT_EQ(locked.openError(), "in use by another program");
    EXPECT_TRUE(contains(locked.openAdvice(), "ModemManager (PID 812) holds it"));
    EXPECT_TRUE(contains(locked.openAdvice(), "sudo systemctl stop ModemManager\n"));
    test::writeFile(lockFile, "       813\n");
    EXPECT_TRUE(locked.open(pty.device));
}

TEST(PortAdvice, AMissingDeviceListsTheDevicesPresent) {
    test::TempDir dev;
    // A ttyS name without a port behind it does not answer as a terminal, and is left out.
    for (const char* name : {"ttyUSB1", "ttyS0"}) test::writeFile(dev.file(name), "");
    fs::create_directories(dev.path() / "serial" / "by-id");
    fs::create_symlink(dev.file("ttyUSB1"), dev.path() / "serial" / "by-id" / "usb-FTDI-if00");
    TermiosPort port({}, SystemPlaces{"/proc", {}, dev.path().string()});
    EXPECT_FALSE(port.open(dev.file("ttyUSB0")));
    EXPECT_EQ(port.openAdvice(),
              dev.file("ttyUSB0") +
                  " is not there: the adapter is unplugged or has another name.\n"
                  "Serial devices present:\n   " +
                  dev.file("ttyUSB1") + "\n   " + dev.file("serial/by-id/usb-FTDI-if00") +
                  "\nChoose one at Option Menu.");

    test::TempDir empty;
    EXPECT_TRUE(
        contains(portOpenAdvice("/dev/ttyUSB0", ENODEV, {"/proc", {}, empty.path().string()}),
                 "No serial device is present: plug the adapter in."));
}

TEST(PortAdvice, AFileThatIsNoTerminalIsNoSerialPort) {
    TermiosPort port;
    EXPECT_FALSE(port.open("/dev/null"));
    EXPECT_EQ(port.openAdvice(),
              "/dev/null is not a serial port: choose the adapter's device at Option Menu.");
    // Errors without advice leave the box as it was.
    EXPECT_EQ(portOpenAdvice("/dev/ttyS0", EIO), "");
}

}  // namespace
}  // namespace sky
