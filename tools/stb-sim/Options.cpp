#include "Options.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace sky::sim {

namespace {

bool parseInt(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

// "A:B": two numbers.
bool parsePair(std::string_view text, int& first, int& second) {
    const size_t colon = text.find(':');
    return colon != std::string_view::npos && parseInt(text.substr(0, colon), first) &&
           parseInt(text.substr(colon + 1), second);
}

}  // namespace

const char* helpText() {
    return "Usage: stb-sim [OPTIONS]\n"
           "\n"
           "A simulated satellite receiver on a pseudo-terminal. It prints the path of its device\n"
           "on the first line of standard output and serves it until interrupted. Point the\n"
           "program's serial port at that device (skylister-cli ... --device PATH).\n"
           "\n"
           "The receiver starts as if just switched on and offers a download (DN_OPER_REQ every\n"
           "100 ms) while a program has the device open. It takes a download, checks every\n"
           "header and CRC, and reports POK (PER when the image is not whole); then it restarts\n"
           "and offers again. A line end or ESC wakes its console, whose \"dumpch\" prints the\n"
           "--dump list with its lines marked \"||\" and ends with \"[END]\"; \"go\" leaves the\n"
           "console. After \"go\" the receiver runs normally and offers no download until it is\n"
           "switched off and on: send it SIGUSR1 (kill -USR1 PID) or start it again.\n"
           "\n"
           "Options:\n"
           "  --dump FILE              the channel list that \"dumpch\" prints\n"
           "  --save-image FILE        write each download received whole to FILE\n"
           "  --link PATH              also make PATH a symbolic link to the device\n"
           "  --power-cycle-after MS   stay off until MS ms after a program first opens the\n"
           "                           device, as a user switching the receiver on\n"
           "  --prompt TEXT            the console's prompt (STB> unless given)\n"
           "  --dump-rate N            print the dump at N bytes a second instead of the\n"
           "                           line's 11520, to try large lists quickly\n"
           "  -v, --verbose            tell on standard error what happens\n"
           "  -h, --help               show this text\n"
           "\n"
           "Faults, one option each:\n"
           "  --silent                 never send anything (a receiver that is off)\n"
           "  --garbage N              send N bytes of noise before the first DN_OPER_REQ\n"
           "  --misaligned-offer       send only the last 5 bytes of the first DN_OPER_REQ\n"
           "  --lose-acks P:N          lose the ACK of packet P's body N times (3 of its 8\n"
           "                           bytes arrive); packets count from 0\n"
           "  --wrong-acks P:N         answer packet P's body N times with ERR instead of ACK\n"
           "  --per                    report PER at the end of every download\n"
           "  --stop-dump-after N      hang (fall silent) after N lines of the dump\n"
           "  --pause-dump-after N:S   after N lines of the dump, neither read nor send for S\n"
           "                           seconds, then go on; once, ended early when the program\n"
           "                           closes the device\n"
           "  --pause-download-after P:S\n"
           "                           the same in a download, after packet P's body (from 0)\n"
           "                           and before its ACK\n"
           "  --nul-in-line N          send the first space of dump line N (from 1) as a NUL\n"
           "  --end-at-prompt          end the dump at the console prompt, without \"[END]\"\n"
           "  --prompt-after-row       print the prompt that ends the dump straight after the\n"
           "                           last row's line break, without an empty line\n"
           "  --vanish-after-packet P  close the line after packet P's body (from 0), before\n"
           "                           its ACK, as an adapter pulled out; once\n"
           "  --vanish-after-lines N   the same after N lines of the dump\n"
           "After vanishing, the device comes back a second later under a new path, printed on\n"
           "a further line of standard output; --link then points to it.\n";
}

std::optional<Options> parseOptions(int argc, char** argv, bool& help) {
    Options options;
    help = false;
    for (int i = 1; i < argc; ++i) {
        const char* name = argv[i];
        const std::string_view arg = name;
        const auto value = [&](std::string_view& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        std::string_view text;
        bool ok = true;
        if (arg == "-h" || arg == "--help") {
            help = true;
        } else if (arg == "-v" || arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--silent") {
            options.silent = true;
        } else if (arg == "--misaligned-offer") {
            options.misalignedOffer = true;
        } else if (arg == "--per") {
            options.per = true;
        } else if (arg == "--end-at-prompt") {
            options.endAtPrompt = true;
        } else if (arg == "--prompt-after-row") {
            options.promptAfterRow = true;
        } else if (arg == "--dump") {
            ok = value(text) && !(options.dumpFile = text).empty();
        } else if (arg == "--save-image") {
            ok = value(text) && !(options.saveImage = text).empty();
        } else if (arg == "--link") {
            ok = value(text) && !(options.link = text).empty();
        } else if (arg == "--power-cycle-after") {
            ok = value(text) && parseInt(text, options.powerCycleAfterMs);
        } else if (arg == "--garbage") {
            ok = value(text) && parseInt(text, options.garbage);
        } else if (arg == "--stop-dump-after") {
            ok = value(text) && parseInt(text, options.stopDumpAfter);
        } else if (arg == "--nul-in-line") {
            ok = value(text) && parseInt(text, options.nulInLine) && options.nulInLine > 0;
        } else if (arg == "--vanish-after-packet") {
            ok = value(text) && parseInt(text, options.vanishAfterPacket);
        } else if (arg == "--vanish-after-lines") {
            ok = value(text) && parseInt(text, options.vanishAfterLines);
        } else if (arg == "--prompt") {
            ok = value(text) && !(options.prompt = text).empty();
        } else if (arg == "--dump-rate") {
            ok = value(text) && parseInt(text, options.dumpRate) && options.dumpRate > 0;
        } else if (arg == "--pause-dump-after") {
            ok = value(text) && parsePair(text, options.dumpPause.after, options.dumpPause.seconds);
        } else if (arg == "--pause-download-after") {
            ok = value(text) &&
                 parsePair(text, options.downloadPause.after, options.downloadPause.seconds);
        } else if (arg == "--lose-acks") {
            ok = value(text) && parsePair(text, options.lostAcks.packet, options.lostAcks.times);
        } else if (arg == "--wrong-acks") {
            ok = value(text) && parsePair(text, options.wrongAcks.packet, options.wrongAcks.times);
        } else {
            std::fprintf(stderr, "stb-sim: unknown option %s\n\n%s", name, helpText());
            return std::nullopt;
        }
        if (!ok) {
            std::fprintf(stderr, "stb-sim: %s needs a proper value\n\n%s", name, helpText());
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace sky::sim
