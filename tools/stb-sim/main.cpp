// stb-sim: a simulated satellite receiver on a pseudo-terminal, for trying and testing the serial
// transfers without hardware.

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "Options.h"
#include "PtyLine.h"
#include "Receiver.h"
#include "db/FileIo.h"

namespace {

volatile sig_atomic_t stopRequested = 0;
volatile sig_atomic_t powerCycleRequested = 0;

void onStop(int) {
    stopRequested = 1;
}
void onPowerCycle(int) {
    powerCycleRequested = 1;
}

// Signals interrupt the waits of the main loop (no SA_RESTART).
void installHandlers() {
    struct sigaction action {};
    action.sa_handler = onStop;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    action.sa_handler = onPowerCycle;
    sigaction(SIGUSR1, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
}

int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Serves the line until a stop is requested.
void serve(sky::sim::PtyLine& line, sky::sim::Receiver& receiver) {
    constexpr int kPresenceCheckMs = 2;
    bool present = false;
    char buffer[65536];
    while (!stopRequested) {
        if (powerCycleRequested) {
            powerCycleRequested = 0;
            receiver.powerCycle(nowMs());
        }
        receiver.tick(nowMs());
        if (!present) {
            if (line.programPresent()) {
                present = true;
                receiver.connected(nowMs());
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(kPresenceCheckMs));
            }
            continue;
        }
        std::string& output = receiver.output();
        pollfd p{line.fd(), static_cast<short>(POLLIN | (output.empty() ? 0 : POLLOUT)), 0};
        const int64_t next = receiver.nextActionMs(nowMs());
        if (::poll(&p, 1, next < 0 ? -1 : static_cast<int>(std::min<int64_t>(next, 60000))) < 0) {
            continue;  // interrupted by a signal
        }
        if (p.revents & POLLIN) {
            const ssize_t n = ::read(line.fd(), buffer, sizeof buffer);
            if (n > 0) receiver.input(std::string_view(buffer, static_cast<size_t>(n)), nowMs());
            continue;  // read everything before looking at a hang-up
        }
        if (p.revents & POLLHUP) {
            present = false;
            receiver.disconnected();
            line.discardUnread();
            continue;
        }
        if ((p.revents & POLLOUT) && !output.empty()) {
            const ssize_t n = ::write(line.fd(), output.data(), output.size());
            if (n > 0) output.erase(0, static_cast<size_t>(n));
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    bool help = false;
    const std::optional<sky::sim::Options> options = sky::sim::parseOptions(argc, argv, help);
    if (!options) return 2;
    if (help) {
        std::fputs(sky::sim::helpText(), stdout);
        return 0;
    }
    std::vector<std::string> dumpLines;
    if (!options->dumpFile.empty()) {
        const std::optional<std::string> list = sky::readWholeFile(options->dumpFile);
        if (!list) {
            std::fprintf(stderr, "stb-sim: cannot read %s\n", options->dumpFile.c_str());
            return 1;
        }
        dumpLines = sky::sim::dumpLinesOf(*list, *options);
    }

    sky::sim::PtyLine line;
    std::string error;
    if (!line.create(error)) {
        std::fprintf(stderr, "stb-sim: cannot create a pseudo-terminal: %s\n", error.c_str());
        return 1;
    }
    if (!options->link.empty()) {
        ::unlink(options->link.c_str());
        if (::symlink(line.device().c_str(), options->link.c_str()) != 0) {
            std::fprintf(stderr, "stb-sim: cannot make the link %s: %s\n", options->link.c_str(),
                         std::strerror(errno));
            return 1;
        }
    }
    installHandlers();
    std::printf("%s\n", line.device().c_str());
    std::fflush(stdout);

    sky::sim::Receiver receiver(*options, std::move(dumpLines));
    serve(line, receiver);
    if (!options->link.empty()) ::unlink(options->link.c_str());
    return 0;
}
