#pragma once

#include <string>

namespace sky::sim {

// The receiver's end of the serial line: the master side of a pseudo-terminal whose slave device
// the program opens as its serial port. Every open and close of the device is watched, so that
// a program that closes the port and opens it again at once still counts as two sessions. The
// simulator keeps a slave descriptor of its own open from the start: it never opens or closes
// the device again, so every watched event is a program's (the kernel merges an identical event
// that follows an unread one, and an own open next to a program's would swallow it).
class PtyLine {
public:
    ~PtyLine();
    // Creates the pseudo-terminal (a new one after close()); false with the reason in error.
    bool create(std::string& error);
    // Closes the receiver's end: the program's reads and writes on the device fail, and the
    // device is removed once the program closes it.
    void close();
    const std::string& device() const { return device_; }
    int fd() const { return master_; }
    // Becomes readable when the device is opened or closed.
    int watchFd() const { return watch_; }

    // Reports the opens and closes of the device by programs since the last call, in order.
    template <typename OnOpen, typename OnClose>
    void takeEvents(OnOpen onOpen, OnClose onClose);

    // Drops what was sent to the device and never read. A real line loses what is sent while
    // nobody listens, and a program that opens the device later must not find it there.
    void discardUnread();

private:
    // Reads the pending watch events: '+' for each open, '-' for each close.
    std::string readEvents();

    int master_ = -1;
    int slave_ = -1;
    int watch_ = -1;
    std::string device_;
};

template <typename OnOpen, typename OnClose>
void PtyLine::takeEvents(OnOpen onOpen, OnClose onClose) {
    for (const char event : readEvents()) {
        if (event == '+') onOpen();
        if (event == '-') onClose();
    }
}

}  // namespace sky::sim
