#pragma once

#include <functional>
#include <string>

#include "serial/PortHolders.h"
#include "serial/SerialPort.h"

namespace sky {

// The program's serial port: a POSIX terminal device driven with termios and poll(). The port is
// opened exclusively (TIOCEXCL and an advisory lock), so that no other program can use it while a
// transfer runs; a device with a live lock file (LCK..NAME) of another program counts as in use.
// Queue sizes have no Linux equivalent and are accepted without effect.
class TermiosPort : public SerialPort {
public:
    // The call that opens the device, ::open(path, flags) unless given: tests make it fail as
    // the system would.
    using OpenCall = std::function<int(const char* path, int flags)>;

    explicit TermiosPort(OpenCall openCall = {}, SystemPlaces places = {});
    ~TermiosPort() override;
    TermiosPort(const TermiosPort&) = delete;
    TermiosPort& operator=(const TermiosPort&) = delete;

    bool open(const std::string& device) override;
    bool configure() override;
    void setTimeouts(TimeoutProfile profile) override { profile_ = profile; }
    void purge() override;
    size_t read(uint8_t* buffer, size_t count) override;
    size_t write(const uint8_t* data, size_t count) override;
    // Clears DTR and releases the device.
    void close() override;
    bool failed() const override { return failed_; }
    void pause(int milliseconds) override;
    std::string openError() const override { return openError_; }
    std::string openAdvice() const override { return openAdvice_; }

private:
    // Records why the device could not be opened; returns false.
    bool refuse(const std::string& device, int error, std::string reason);

    OpenCall openCall_;
    SystemPlaces places_;
    int fd_ = -1;
    TimeoutProfile profile_ = TimeoutProfile::Idle;
    bool failed_ = false;
    std::string openError_;
    std::string openAdvice_;
};

}  // namespace sky
