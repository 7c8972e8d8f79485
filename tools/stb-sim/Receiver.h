#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Options.h"

namespace sky::sim {

// The simulated receiver: its boot loader, which offers and takes a download, and its console,
// which prints the channel list. It reacts to what arrives and to the time; the caller carries
// its output to the line.
class Receiver {
public:
    Receiver(const Options& options, std::vector<std::string> dumpLines);

    // A program has opened, or closed, the device.
    void connected(int64_t nowMs);
    void disconnected();
    // Switched off and on again.
    void powerCycle(int64_t nowMs);
    void input(std::string_view bytes, int64_t nowMs);
    void tick(int64_t nowMs);
    // Milliseconds until the receiver next acts by itself; -1 when it waits for input.
    int64_t nextActionMs(int64_t nowMs) const;
    // While paused the receiver reads nothing from the line and sends nothing: the caller leaves
    // the line alone, and what input() gets is lost.
    bool paused(int64_t nowMs) const { return nowMs < pausedUntilMs_; }
    // What the receiver sends; the caller removes what it has passed on.
    std::string& output() { return output_; }
    // True once when the device is to vanish (the vanish faults of the options): the receiver is
    // off, and the caller closes the line once what it sent has reached the program.
    bool takeVanish() { return std::exchange(vanishNow_, false); }

private:
    enum class State { Off, Offering, Connected, Downloading, Finished, Running, Console, Dumping };

    void powerOn(int64_t nowMs);
    void sendOffer();
    // Handles one download message at the front of the input; false when more bytes are needed.
    bool takeDownloadMessage();
    void control(std::string_view message);
    void imageHeader(std::string_view header);
    void packetHeader(std::string_view header);
    void body(std::string_view packet);
    void finishDownload();
    void consoleByte(char c);
    void command(const std::string& line);
    void log(const char* fmt, ...) const __attribute__((format(printf, 2, 3)));
    // Starts the pause of the options, unless it has struck already.
    void pause(const Pause& fault, bool& done, const char* where);
    // Asks for the device to vanish, unless it has vanished once already.
    void vanish(const char* where);

    const Options& options_;
    std::vector<std::string> dumpLines_;
    const std::string prompt_;
    State state_ = State::Off;
    bool connected_ = false;
    int64_t nowMs_ = 0;
    int64_t powerOnAtMs_ = -1;
    bool awaitingFirstOpen_ = false;
    int64_t nextOfferMs_ = 0;
    bool firstOffer_ = true;
    std::string input_;
    std::string output_;
    int64_t pausedUntilMs_ = -1;
    bool dumpPauseDone_ = false;
    bool downloadPauseDone_ = false;
    bool vanishNow_ = false;
    bool vanished_ = false;

    // The download being received: its header, the packets stored so far, the length the last
    // packet header announced, and the faults still to strike.
    std::string header_;
    std::string packets_;
    std::string lastPacket_;
    uint32_t nextPacket_ = 0;
    uint64_t dataTotal_ = 0;
    int64_t announcedLength_ = -1;
    int lostAcksLeft_ = 0;
    int wrongAcksLeft_ = 0;

    // The console: the line being typed, and the dump in progress.
    std::string typed_;
    size_t dumpLine_ = 0;
    int64_t dumpStartMs_ = 0;
    uint64_t dumpBytes_ = 0;
    bool promptAfterLine_ = false;
};

// The lines "dumpch" prints for a channel-list file: its sections and rows, each behind "||" and
// ending in CR LF, with the faults of the options applied, ending with the "[END]" line (or
// without it, when the dump ends at the prompt).
std::vector<std::string> dumpLinesOf(const std::string& list, const Options& options);

}  // namespace sky::sim
