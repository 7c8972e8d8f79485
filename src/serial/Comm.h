#pragma once

#include <string>

#include "serial/SerialPort.h"

namespace sky {

// The program's serial port: a POSIX terminal device driven with termios and poll(). The port is
// opened exclusively (TIOCEXCL and an advisory lock), so that no other program can use it while a
// transfer runs. Queue sizes have no Linux equivalent and are accepted without effect.
class CComm : public SerialPort {
public:
    CComm() = default;
    ~CComm() override;
    CComm(const CComm&) = delete;
    CComm& operator=(const CComm&) = delete;

    bool open(const std::string& device) override;
    bool configure() override;
    void setTimeouts(TimeoutProfile profile) override { profile_ = profile; }
    void setQueueSizes(size_t /*receive*/, size_t /*send*/) override {}
    void purge() override;
    size_t read(uint8_t* buffer, size_t count) override;
    size_t write(const uint8_t* data, size_t count) override;
    // Clears DTR and releases the device.
    void close() override;
    bool failed() const override { return failed_; }
    void pause(int milliseconds) override;
    std::string openError() const override { return openError_; }

private:
    int fd_ = -1;
    TimeoutProfile profile_ = TimeoutProfile::Idle;
    bool failed_ = false;
    std::string openError_;
};

}  // namespace sky
