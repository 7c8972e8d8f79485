#pragma once

#include <string>

namespace sky::sim {

// The receiver's end of the serial line: the master side of a pseudo-terminal whose slave device
// the program opens as its serial port.
class PtyLine {
public:
    ~PtyLine();
    // Creates the pseudo-terminal; false with the reason in error.
    bool create(std::string& error);
    const std::string& device() const { return device_; }
    int fd() const { return master_; }
    // Whether a program has the device open.
    bool programPresent() const;
    // Drops what was sent to the device and never read. A real line loses what is sent while
    // nobody listens, and a program that opens the device later must not find it there.
    void discardUnread() const;

private:
    int master_ = -1;
    std::string device_;
};

}  // namespace sky::sim
