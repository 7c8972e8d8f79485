#pragma once

#include <optional>
#include <string>

namespace sky::sim {

// A fault that strikes the acknowledgement of one packet's body a number of times.
struct AckFault {
    int packet = -1;
    int times = 0;
};

// The receiver stops reading and sending for a number of seconds after a number of dump lines or
// download packets, once in its run.
struct Pause {
    int after = -1;
    int seconds = 0;
};

struct Options {
    // The channel list printed by "dumpch".
    std::string dumpFile;
    // Where the received download file is written.
    std::string saveImage;
    // A symbolic link to the device, made at start and removed at exit.
    std::string link;
    // Off until this long after a program first opens the device (-1: on from the start).
    int powerCycleAfterMs = -1;
    bool verbose = false;
    // The console's prompt, printed after a line end.
    std::string prompt = "STB>";
    // How fast the console prints, in bytes a second: the line's 115200 bit/s unless given.
    int dumpRate = 11520;

    // Faults.
    bool silent = false;
    int garbage = 0;
    bool misalignedOffer = false;
    AckFault lostAcks;
    AckFault wrongAcks;
    bool per = false;
    bool endAtPrompt = false;
    // The prompt that ends the dump comes straight after the last row's line break, without the
    // empty line before it.
    bool promptAfterRow = false;
    int stopDumpAfter = -1;
    Pause dumpPause;
    Pause downloadPause;
    int nulInLine = -1;
    // The device vanishes (the line is closed, as a USB adapter pulled out) after this packet's
    // body (from 0) or this many dump lines, once; it comes back a second later.
    int vanishAfterPacket = -1;
    int vanishAfterLines = -1;
};

// Parses the command line; nothing (after printing why) on a mistake. Sets help when --help was
// asked for.
std::optional<Options> parseOptions(int argc, char** argv, bool& help);

const char* helpText();

}  // namespace sky::sim
