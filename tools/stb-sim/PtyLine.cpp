#include "PtyLine.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace sky::sim {

PtyLine::~PtyLine() {
    if (master_ >= 0) ::close(master_);
}

bool PtyLine::create(std::string& error) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error = std::strerror(errno);
        return false;
    }
    device_ = ::ptsname(master_);
    // Opening and closing the device once makes the master report a hang-up while no program has
    // it open; the raw settings also keep the line discipline from echoing or translating until
    // the program applies its own.
    const int slave = ::open(device_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0) {
        error = std::strerror(errno);
        return false;
    }
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    ::close(slave);
    return true;
}

bool PtyLine::programPresent() const {
    pollfd p{master_, POLLIN, 0};
    return ::poll(&p, 1, 0) == 0 || (p.revents & POLLHUP) == 0;
}

void PtyLine::discardUnread() const {
    const int slave = ::open(device_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave < 0) return;
    ::tcflush(slave, TCIFLUSH);
    ::close(slave);
}

}  // namespace sky::sim
