// stb-sim: a simulated satellite receiver on a pseudo-terminal, for trying and testing the serial
// transfers without hardware.

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

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

// Passes whatever the program has sent on to the receiver.
void takeInput(const sky::sim::PtyLine& line, sky::sim::Receiver& receiver) {
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(line.fd(), buffer, sizeof buffer)) > 0) {
        receiver.input(std::string_view(buffer, static_cast<size_t>(n)), nowMs());
    }
}

// Points the --link path, if any, to the device; false after telling why not.
bool linkDevice(const sky::sim::Options& options, const sky::sim::PtyLine& line) {
    if (options.link.empty()) return true;
    ::unlink(options.link.c_str());
    if (::symlink(line.device().c_str(), options.link.c_str()) == 0) return true;
    std::fprintf(stderr, "stb-sim: cannot make the link %s: %s\n", options.link.c_str(),
                 std::strerror(errno));
    return false;
}

// The device as a USB adapter pulled out and plugged in again a second later: the line is
// closed (the program's reads and writes fail), its path and link are gone meanwhile, and a new
// device comes up with the receiver switched on again. False when the new device cannot be made.
bool vanishAndComeBack(const sky::sim::Options& options, sky::sim::PtyLine& line,
                       sky::sim::Receiver& receiver) {
    receiver.disconnected();
    line.close();
    if (!options.link.empty()) ::unlink(options.link.c_str());
    constexpr int64_t kAwayMs = 1000;
    const int64_t back = nowMs() + kAwayMs;
    while (!stopRequested && nowMs() < back) ::poll(nullptr, 0, static_cast<int>(back - nowMs()));
    std::string error;
    if (!line.create(error)) {
        std::fprintf(stderr, "stb-sim: cannot create a pseudo-terminal: %s\n", error.c_str());
        return false;
    }
    if (!linkDevice(options, line)) return false;
    std::printf("%s\n", line.device().c_str());
    std::fflush(stdout);
    receiver.powerCycle(nowMs());
    return true;
}

// Serves the line until a stop is requested.
void serve(const sky::sim::Options& options, sky::sim::PtyLine& line,
           sky::sim::Receiver& receiver) {
    int programs = 0;
    // When the line is to close: -1 never, 0 once the output has gone out.
    int64_t vanishAtMs = -1;
    constexpr int64_t kDrainMs = 200;
    while (!stopRequested) {
        if (powerCycleRequested) {
            powerCycleRequested = 0;
            receiver.powerCycle(nowMs());
        }
        receiver.tick(nowMs());
        // The line closes shortly after the last bytes went out, so that the program has read
        // them, as from an adapter pulled out between two bursts.
        if (receiver.takeVanish()) vanishAtMs = 0;
        if (vanishAtMs == 0 && receiver.output().empty()) vanishAtMs = nowMs() + kDrainMs;
        if (vanishAtMs > 0 && nowMs() >= vanishAtMs) {
            vanishAtMs = -1;
            programs = 0;
            if (!vanishAndComeBack(options, line, receiver)) return;
            continue;
        }
        std::string& output = receiver.output();
        // Without a program on the device, or while the receiver pauses, the line is left alone.
        const bool listening = programs > 0 && !receiver.paused(nowMs());
        pollfd fds[2] = {
            {listening ? line.fd() : -1,
             static_cast<short>(POLLIN | (output.empty() ? 0 : POLLOUT)), 0},
            {line.watchFd(), POLLIN, 0},
        };
        int64_t next = receiver.nextActionMs(nowMs());
        if (vanishAtMs > 0) {
            const int64_t left = std::max<int64_t>(0, vanishAtMs - nowMs());
            next = next < 0 ? left : std::min(next, left);
        }
        if (::poll(fds, 2, next < 0 ? -1 : static_cast<int>(std::min<int64_t>(next, 60000))) < 0) {
            continue;  // interrupted by a signal
        }
        if (fds[0].revents & POLLIN) {
            takeInput(line, receiver);
            continue;
        }
        if (fds[1].revents & POLLIN) {
            line.takeEvents(
                [&] {
                    if (programs++ == 0) receiver.connected(nowMs());
                },
                [&] {
                    if (programs > 0 && --programs == 0) {
                        // What the program sent before it closed belongs to its session.
                        takeInput(line, receiver);
                        receiver.disconnected();
                        line.discardUnread();
                    }
                });
            continue;
        }
        if (listening && (fds[0].revents & POLLOUT) && !output.empty()) {
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
    if (!linkDevice(*options, line)) return 1;
    installHandlers();
    std::printf("%s\n", line.device().c_str());
    std::fflush(stdout);

    sky::sim::Receiver receiver(*options, std::move(dumpLines));
    serve(*options, line, receiver);
    if (!options->link.empty()) ::unlink(options->link.c_str());
    return 0;
}
