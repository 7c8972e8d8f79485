// Times the flash download's own work per packet against a receiver on a pseudo-terminal (which
// has no line-speed limit), as a share of the time the packet needs on a 115200 bit/s line.
// Usage: serial_download IMAGE.bin DEVICE [RUNS]   (bench/serial_bench.sh sets it all up)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "QuietUi.h"
#include "db/FileIo.h"
#include "serial/FlashDownload.h"
#include "serial/TermiosPort.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The program's port, with the time spent waiting for the receiver's answers kept apart.
class WaitTimingPort : public sky::TermiosPort {
public:
    size_t read(uint8_t* buffer, size_t count) override {
        const Clock::time_point start = Clock::now();
        const size_t got = TermiosPort::read(buffer, count);
        waiting += secondsSince(start);
        return got;
    }
    double waiting = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: serial_download IMAGE.bin DEVICE [RUNS]\n");
        return 2;
    }
    const std::string image = argv[1];
    const int runs = argc > 3 ? std::atoi(argv[3]) : 5;
    const std::optional<std::string> bytes = sky::readWholeFile(image);
    if (!bytes || bytes->size() < 14) {
        std::fprintf(stderr, "cannot read %s\n", image.c_str());
        return 1;
    }
    const unsigned packets =
        (static_cast<uint8_t>((*bytes)[8]) << 8) | static_cast<uint8_t>((*bytes)[9]);
    // On the line each packet body takes 10 bits a byte at 115200 bit/s.
    const double lineSecondsPerPacket =
        static_cast<double>(bytes->size() - 14) * 10.0 / 115200.0 / packets;

    sky::RuntimeSettings settings;
    settings.portDevices[0] = argv[2];
    std::vector<double> shares;
    for (int run = 0; run < runs; ++run) {
        WaitTimingPort port;
        QuietUi ui(sky::Answer::Yes, false);
        const Clock::time_point start = Clock::now();
        if (!sky::flashDownload(port, settings, ui, image)) {
            std::fprintf(stderr, "download failed: %s", ui.last.c_str());
            return 1;
        }
        const double total = secondsSince(start);
        const double own = (total - port.waiting) / packets;
        shares.push_back(own / lineSecondsPerPacket);
        std::printf(
            "run %d: %.3f s in all, %.3f s waiting for the receiver; own time %.3f ms a "
            "packet\n",
            run + 1, total, port.waiting, own * 1000.0);
    }
    std::sort(shares.begin(), shares.end());
    std::printf("image: %zu bytes, %u packets, %.1f ms a packet on a 115200 bit/s line\n",
                bytes->size(), packets, lineSecondsPerPacket * 1000.0);
    std::printf(
        "own time a packet, median of %d runs: %.3f%% of its line time (target: below 2%%)\n", runs,
        shares[shares.size() / 2] * 100.0);
    return 0;
}
