// The serial port on a real pseudo-terminal: exclusive opening, line settings, reads under the
// profiles, and a device that goes away.

#include "serial/TermiosPort.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <vector>

#include "support/TempDir.h"

namespace sky {
namespace {

// The other end of a pseudo-terminal: the test plays the receiver on the master side.
struct Pty {
    Pty() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) std::abort();
        device = ::ptsname(master);
    }
    ~Pty() { closeMaster(); }
    void closeMaster() {
        if (master >= 0) ::close(master);
        master = -1;
    }
    void send(const std::string& bytes) const {
        ASSERT_EQ(::write(master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    int master = -1;
    std::string device;
};

int64_t msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
}

TEST(Comm, OpensOnlyTerminalsAndOnlyOnce) {
    Pty pty;
    TermiosPort first;
    ASSERT_TRUE(first.open(pty.device));
    TermiosPort second;
    EXPECT_FALSE(second.open(pty.device));
    EXPECT_FALSE(second.openError().empty());
    first.close();
    EXPECT_TRUE(second.open(pty.device));

    test::TempDir dir;
    test::writeFile(dir.file("plain"), "not a port");
    TermiosPort other;
    EXPECT_FALSE(other.open(dir.file("plain")));
    EXPECT_EQ(other.openError(), "not a terminal device");
    EXPECT_FALSE(other.open(dir.file("absent")));
    EXPECT_FALSE(other.open(""));
}

TEST(Comm, ConfiguresARawLineAt115200EightNoneOne) {
    Pty pty;
    {
        TermiosPort port;
        ASSERT_TRUE(port.open(pty.device));
        ASSERT_TRUE(port.configure());
    }
    // The settings stay with the device after the port is closed.
    const int fd = ::open(pty.device.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    termios t{};
    ASSERT_EQ(::tcgetattr(fd, &t), 0);
    ::close(fd);
    EXPECT_EQ(::cfgetospeed(&t), speed_t{B115200});
    EXPECT_EQ(::cfgetispeed(&t), speed_t{B115200});
    EXPECT_EQ(t.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), tcflag_t{CS8});
    EXPECT_NE(t.c_cflag & CLOCAL, 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL | INLCR | IGNCR | ISTRIP | INPCK | PARMRK), 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
}

TEST(Comm, ReadsUnderTheProfilesAndPurges) {
    Pty pty;
    TermiosPort port;
    ASSERT_TRUE(port.open(pty.device));
    ASSERT_TRUE(port.configure());
    uint8_t buffer[16];

    port.setTimeouts(TimeoutProfile::Probe);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.read(buffer, 1), 0u);
    EXPECT_LT(msSince(start), 500);

    // Three bytes, then quiet: an idle read of 8 brings the 3.
    port.setTimeouts(TimeoutProfile::Idle);
    pty.send(std::string("\x02\x00\r", 3));
    EXPECT_EQ(port.read(buffer, 8), 3u);
    EXPECT_EQ(std::string(buffer, buffer + 3), std::string("\x02\x00\r", 3));

    // Once the first byte of a burst can be read the rest is waiting too; purge drops it.
    pty.send("xyz");
    port.setTimeouts(TimeoutProfile::Idle);
    ASSERT_EQ(port.read(buffer, 1), 1u);
    port.purge();
    port.setTimeouts(TimeoutProfile::Probe);
    EXPECT_EQ(port.read(buffer, 1), 0u);

    // Writes reach the other end as they are.
    EXPECT_EQ(port.write(reinterpret_cast<const uint8_t*>("go\r\n"), 4), 4u);
    char echo[8] = {};
    EXPECT_EQ(::read(pty.master, echo, sizeof echo), 4);
    EXPECT_EQ(std::string(echo, 4), "go\r\n");
    EXPECT_FALSE(port.failed());
}

TEST(Comm, ADeviceThatGoesAwayFailsAtOnce) {
    Pty pty;
    TermiosPort port;
    ASSERT_TRUE(port.open(pty.device));
    ASSERT_TRUE(port.configure());
    port.setTimeouts(TimeoutProfile::Idle);
    pty.closeMaster();
    uint8_t buffer[8];
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.read(buffer, 8), 0u);
    EXPECT_TRUE(port.failed());
    EXPECT_EQ(port.write(buffer, 8), 0u);
    EXPECT_LT(msSince(start), 2000);
}

TEST(Comm, TransferHooksHearEveryTransferAndEndWaitsAtACancel) {
    Pty pty;
    TermiosPort port;
    ASSERT_TRUE(port.open(pty.device));
    ASSERT_TRUE(port.configure());
    port.setTimeouts(TimeoutProfile::Idle);
    int moved = 0;
    bool cancel = false;
    port.setTransferHooks([&] { return cancel; }, [&] { ++moved; });
    pty.send("ab");
    uint8_t buffer[8];
    EXPECT_EQ(port.read(buffer, sizeof buffer), 2u);
    EXPECT_EQ(moved, 1);

    // A silent line: the idle read would wait 10 s.
    cancel = true;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.read(buffer, sizeof buffer), 0u);
    EXPECT_LT(msSince(start), 1000);
    // A line nobody reads: the write waits for room until the cancel, not for its 10 s a byte.
    const std::vector<uint8_t> big(1 << 20, 'x');
    start = std::chrono::steady_clock::now();
    EXPECT_LT(port.write(big.data(), big.size()), big.size());
    EXPECT_LT(msSince(start), 1000);
    EXPECT_GT(moved, 1);
    EXPECT_FALSE(port.failed());
}

}  // namespace
}  // namespace sky
