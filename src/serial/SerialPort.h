#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "serial/TimeoutProfile.h"

namespace sky {

// The serial line as the transfers use it. TermiosPort drives a real terminal device; tests put a
// scripted line in virtual time behind the same interface.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens the device for reading and writing, for this program alone. False when it is absent,
    // not a terminal, or in use.
    virtual bool open(const std::string& device) = 0;
    // Applies the fixed line settings: 115200 bit/s, 8 data bits, no parity, 1 stop bit, raw, no
    // flow control. False when the device refuses them.
    virtual bool configure() = 0;
    virtual void setTimeouts(TimeoutProfile profile) = 0;
    // Drops whatever is waiting to be read or to be sent.
    virtual void purge() = 0;
    // Reads up to count bytes under the active profile; returns how many came.
    virtual size_t read(uint8_t* buffer, size_t count) = 0;
    // Writes the bytes; returns how many were written.
    virtual size_t write(const uint8_t* data, size_t count) = 0;
    virtual void close() = 0;
    // True once the device has failed (a read or write error, a hang-up): it stays failed until
    // it is opened again.
    virtual bool failed() const = 0;
    // Waits on the line's clock.
    virtual void pause(int milliseconds) = 0;
    // Why the last open failed, in words.
    virtual std::string openError() const = 0;
    // What the user can do about the failed open, in sentences; empty when nothing can be said.
    virtual std::string openAdvice() const { return {}; }

    // The hooks of the transfer under way. A read or write that waits asks `cancelled` at least
    // every kCancelCheckMs and, once it says yes, returns with what it has; `moved` is told
    // whenever bytes were read or written. Empty functions (the default) are neither asked nor
    // told, and the waits are then only those of the active profile.
    void setTransferHooks(std::function<bool()> cancelled, std::function<void()> moved) {
        cancelled_ = std::move(cancelled);
        moved_ = std::move(moved);
    }

protected:
    const std::function<bool()>& cancelCheck() const { return cancelled_; }
    bool cancelRequested() const { return cancelled_ && cancelled_(); }
    void bytesMoved() const {
        if (moved_) moved_();
    }

private:
    std::function<bool()> cancelled_;
    std::function<void()> moved_;
};

}  // namespace sky
