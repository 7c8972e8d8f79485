#include "PtyLine.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace sky::sim {

PtyLine::~PtyLine() {
    close();
}

void PtyLine::close() {
    for (int* fd : {&watch_, &slave_, &master_}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
}

bool PtyLine::create(std::string& error) {
    close();
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error = std::strerror(errno);
        return false;
    }
    device_ = ::ptsname(master_);
    slave_ = ::open(device_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave_ < 0) {
        error = std::strerror(errno);
        return false;
    }
    // Raw settings keep the line discipline from echoing or translating until the program
    // applies its own.
    termios raw{};
    ::tcgetattr(slave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_, TCSANOW, &raw);
    // Watched only now, so that the simulator's own open is not among the events.
    watch_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch_ < 0 || ::inotify_add_watch(watch_, device_.c_str(),
                                          IN_OPEN | IN_CLOSE_WRITE | IN_CLOSE_NOWRITE) < 0) {
        error = std::strerror(errno);
        return false;
    }
    return true;
}

std::string PtyLine::readEvents() {
    std::string events;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(watch_, buffer, sizeof buffer);
        if (n <= 0) break;
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->mask & IN_OPEN) events += '+';
            if (event->mask & (IN_CLOSE_WRITE | IN_CLOSE_NOWRITE)) events += '-';
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return events;
}

void PtyLine::discardUnread() {
    ::tcflush(slave_, TCIFLUSH);
}

}  // namespace sky::sim
