#pragma once

// Runs the simulated receiver stb-sim as a child process for the end-to-end tests.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace sky::test {

class StbSim {
public:
    explicit StbSim(const std::vector<std::string>& options) {
        const std::string program = std::string(SKYLISTER_BINARY_DIR) + "/tools/stb-sim";
        if (::access(program.c_str(), X_OK) != 0) {
            ADD_FAILURE() << program << " is missing: build the stb-sim target";
            return;
        }
        int out[2];
        if (::pipe(out) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            std::vector<char*> argv{const_cast<char*>(program.c_str())};
            for (const std::string& o : options) argv.push_back(const_cast<char*>(o.c_str()));
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        // The first line of its output is the device path.
        char c;
        pollfd p{out[0], POLLIN, 0};
        while (::poll(&p, 1, 10000) > 0 && ::read(out[0], &c, 1) == 1 && c != '\n') device_ += c;
        ::close(out[0]);
        EXPECT_FALSE(device_.empty()) << "stb-sim printed no device";
    }
    ~StbSim() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        resume();
        int status = 0;
        ::waitpid(pid_, &status, 0);
    }
    StbSim(const StbSim&) = delete;
    StbSim& operator=(const StbSim&) = delete;

    const std::string& device() const { return device_; }
    // Switches the receiver off and on again.
    void powerCycle() const { ::kill(pid_, SIGUSR1); }
    // Freezes the receiver where it is (it neither reads nor sends), and lets it go on.
    void stop() const { ::kill(pid_, SIGSTOP); }
    void resume() const { ::kill(pid_, SIGCONT); }

private:
    pid_t pid_ = -1;
    std::string device_;
};

}  // namespace sky::test
