#include "serial/TermiosPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>
#include <utility>

#include "serial/PortAdvice.h"
#include "serial/SerialDevices.h"

namespace sky {

namespace {

int64_t monotonicUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// Milliseconds for poll() until the deadline, rounded up so that a wait never ends early.
int pollTimeoutMs(int64_t deadlineUs) {
    const int64_t remaining = deadlineUs - monotonicUs();
    if (remaining <= 0) return 0;
    const int64_t ms = (remaining + 999) / 1000;
    return ms > 1000000 ? 1000000 : static_cast<int>(ms);
}

// The device as a timed byte source; marks the port failed on a hang-up or a read error.
class DeviceSource : public ByteSource {
public:
    DeviceSource(int fd, bool& failed) : fd_(fd), failed_(failed) {}

    int64_t nowUs() override { return monotonicUs(); }

    bool awaitInput(int64_t deadlineUs) override {
        while (!failed_) {
            pollfd p{fd_, POLLIN, 0};
            const int ready = ::poll(&p, 1, pollTimeoutMs(deadlineUs));
            if (ready < 0) {
                if (errno == EINTR) continue;
                failed_ = true;
            } else if (ready > 0) {
                if (p.revents & POLLIN) return true;
                failed_ = true;  // POLLHUP, POLLERR or POLLNVAL without data: the device is gone
            } else if (monotonicUs() >= deadlineUs) {
                return false;
            }
        }
        return false;
    }

    size_t take(uint8_t* buffer, size_t count) override {
        const ssize_t n = ::read(fd_, buffer, count);
        if (n > 0) return static_cast<size_t>(n);
        if (n == 0 || (errno != EAGAIN && errno != EINTR)) failed_ = true;
        return 0;
    }

private:
    int fd_;
    bool& failed_;
};

}  // namespace

TermiosPort::TermiosPort(OpenCall openCall, SystemPlaces places)
    : openCall_(std::move(openCall)), places_(std::move(places)) {}

TermiosPort::~TermiosPort() {
    close();
}

bool TermiosPort::refuse(const std::string& device, int error, std::string reason) {
    openError_ = std::move(reason);
    openAdvice_ = portOpenAdvice(device, error, places_);
    return false;
}

bool TermiosPort::open(const std::string& device) {
    close();
    failed_ = false;
    openError_.clear();
    openAdvice_.clear();
    const int flags = O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC;
    const int fd = openCall_ ? openCall_(device.c_str(), flags) : ::open(device.c_str(), flags);
    if (fd < 0) {
        const int error = errno;
        return refuse(device, error, std::strerror(error));
    }
    int error = 0;
    const char* reason = "in use by another program";
    if (!isTerminal(fd)) {
        error = ENOTTY;
        reason = "not a terminal device";
    } else if (const std::optional<PortHolder> holder = lockFileHolder(device, places_);
               holder && holder->pid != ::getpid()) {
        error = EBUSY;
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        error = errno == EWOULDBLOCK ? EBUSY : errno;
        if (error != EBUSY) reason = std::strerror(error);
    } else {
        // Other programs cannot open the device while this flag is set; it is cleared at close.
        ::ioctl(fd, TIOCEXCL);
        fd_ = fd;
        return true;
    }
    ::close(fd);
    return refuse(device, error, reason);
}

bool TermiosPort::configure() {
    if (fd_ < 0) return false;
    // Built from zero rather than from the device's previous state.
    termios settings{};
    settings.c_cflag = CS8 | CREAD | CLOCAL;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    if (::cfsetispeed(&settings, B115200) != 0 || ::cfsetospeed(&settings, B115200) != 0 ||
        ::tcsetattr(fd_, TCSANOW, &settings) != 0) {
        return false;
    }
    // DTR and RTS stay low: the receiver's link uses neither. Devices without modem lines
    // (pseudo-terminals) refuse this, which does not matter.
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd_, TIOCMBIC, &lines);
    return true;
}

void TermiosPort::purge() {
    if (fd_ >= 0) ::tcflush(fd_, TCIOFLUSH);
}

size_t TermiosPort::read(uint8_t* buffer, size_t count) {
    if (fd_ < 0 || count == 0) return 0;
    DeviceSource source(fd_, failed_);
    const size_t got = timedRead(source, profile_, buffer, count, cancelCheck());
    if (got > 0) bytesMoved();
    return got;
}

size_t TermiosPort::write(const uint8_t* data, size_t count) {
    if (fd_ < 0) return 0;
    const int64_t deadline = monotonicUs() + writeLimitMs(profile_, count) * 1000;
    size_t written = 0;
    while (written < count && !failed_) {
        const ssize_t n = ::write(fd_, data + written, count - written);
        if (n > 0) {
            written += static_cast<size_t>(n);
            bytesMoved();
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) {
            failed_ = true;
            break;
        }
        // The device's send queue is full: wait for room until the write's time is up, asking
        // for a cancel between slices when a transfer has a cancel check.
        int64_t waitEnd = deadline;
        if (cancelCheck()) waitEnd = std::min(deadline, monotonicUs() + kCancelCheckMs * 1000);
        pollfd p{fd_, POLLOUT, 0};
        const int ready = ::poll(&p, 1, pollTimeoutMs(waitEnd));
        if (ready < 0 && errno != EINTR) failed_ = true;
        if (ready > 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL))) failed_ = true;
        if (ready == 0 && monotonicUs() >= deadline) break;
        if (ready == 0 && waitEnd < deadline && cancelRequested()) break;
    }
    return written;
}

void TermiosPort::close() {
    if (fd_ < 0) return;
    int dtr = TIOCM_DTR;
    ::ioctl(fd_, TIOCMBIC, &dtr);
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
}

void TermiosPort::pause(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace sky
