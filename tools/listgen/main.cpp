// skylister-listgen: writes a valid channel list of a chosen size, by default the largest the
// receiver holds (40 names, 50 satellites, 20,000 digital transponders, 20,000 digital channels,
// 1,000 PID channels, 20,000 analog channels). Used by the benchmarks and the tests.

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Sizes {
    int names = 40;
    int satellites = 50;
    int transponders = 20000;
    int channels = 20000;
    int pidChannels = 1000;
    int analogChannels = 20000;
};

const char* kUsage =
    "Usage: skylister-listgen OUT.txt [--names 32|40] [--satellites N] [--tps N]\n"
    "                         [--channels N] [--pid N] [--analog N]\n"
    "Writes a valid channel list; by default the largest one (40 names, 50 satellites,\n"
    "20000 transponders, 20000 channels, 1000 PID channels, 20000 analog channels).\n";

bool parseCount(const char* text, int low, int high, int& out) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < low || value > high) return false;
    out = static_cast<int>(value);
    return true;
}

void appendf(std::string& out, const char* fmt, ...) __attribute__((format(printf, 2, 3)));
void appendf(std::string& out, const char* fmt, ...) {
    char line[512];
    va_list args;
    va_start(args, fmt);
    const int n = std::vsnprintf(line, sizeof line, fmt, args);
    va_end(args);
    out.append(line, static_cast<size_t>(n));
}

// Channels use transponders 1 and up: a channel on transponder 0 would have the list saved again
// straight after loading.
int channelTransponder(int n, const Sizes& s) {
    return s.transponders > 1 ? 1 + n % (s.transponders - 1) : 0;
}

std::string generate(const Sizes& s) {
    static const char* const kVideoBands[] = {"18MHz", "27MHz"};
    static const char* const kDecoders[] = {"CVBS", "DEEMP_CVBS", "BASEBAND", "CANAL"};
    static const char* const kAudioModes[] = {"STEREO", "MONO_LEFT", "MONO_RIGHT"};
    static const char* const kBandwidths[] = {"130", "180", "280", "300", "400"};
    static const char* const kDeemphasis[] = {"NO_DEEMP", "U50", "U75", "J17"};
    std::string out;
    out.reserve(8u << 20);
    out += "# Generated channel list\r\n\r\n[SATELLITE_NAME_LIST]\r\n";
    for (int i = 1; i <= s.names; ++i) appendf(out, "%-6d \"SAT NAME %d\"\r\n", i, i);
    out += "\r\n[SATELLITE]\r\n";
    for (int i = 0; i < s.satellites; ++i) {
        // Positions east and west; every other western one in the unsigned 16-bit form.
        int positioner = (i * 37) % 1800 - 900;
        if (positioner < 0 && i % 2 == 1) positioner += 65536;
        appendf(out, "%-6d \"Satellite %d\"  N  10600  09750  %d  %d\r\n", i, i, i % 256,
                positioner);
    }
    out += "\r\n[DIGITAL TP]\r\n";
    for (int i = 0; i < s.transponders; ++i) {
        appendf(out, "%-6d %-6d %-8d %-8d %c \"Bouquet %d\"\r\n", i, i % s.satellites,
                10700 + (i * 7) % 2050, 22000 + (i % 8) * 1000, i % 2 ? 'V' : 'H', i % 1000);
    }
    out += "\r\n[DIGITAL CHANNEL]\r\n";
    for (int i = 0; i < s.channels; ++i) {
        const int tp = channelTransponder(i, s);
        const bool null = i % 97 == 96;
        appendf(out, "%-6d %-6d %-6d %04X %-6s \"%s %d\" %d %c\r\n", i, tp, tp % s.satellites,
                0x100 + i, i % 5 == 4 ? "RADIO" : "TV", null ? "Null" : "Channel", i, i % 3,
                null ? 'Y' : 'N');
    }
    out += "\r\n[DIGITAL PID CHANNEL]\r\n";
    for (int i = 0; i < s.pidChannels; ++i) {
        const int tp = channelTransponder(i * 13, s);
        appendf(out, "%-6d %-6d %-6d %-6s \"PID %d\" %d %d %d %d N\r\n", i, tp, tp % s.satellites,
                i % 4 == 3 ? "RADIO" : "TV", i, 256 + i, 257 + i, 256 + i, i % 2);
    }
    out += "\r\n[ANALOG TP]\r\n";
    for (int i = 0; i < s.analogChannels; ++i) {
        appendf(out,
                "%-6d %-6d %-6d %-3s \"Analog %d\" %s %c %d %d %s %s 6.50 7.02 %s %c %s %s %c\r\n",
                i, i % s.satellites, 10950 + (i * 3) % 1800, i % 4 == 0 ? "C" : "KU", i,
                kVideoBands[i % 2], i % 2 ? 'V' : 'H', i % 256, (i * 7) % 256, kDecoders[i % 4],
                kAudioModes[i % 3], kBandwidths[i % 5], i % 2 ? 'Y' : 'N', kDeemphasis[i % 4],
                i % 6 == 5 ? "RADIO" : "TV", i % 89 == 88 ? 'Y' : 'N');
    }
    out += "\r\n[END]\r\n";
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    Sizes sizes;
    const char* output = nullptr;
    for (int i = 1; i < argc; ++i) {
        const auto option = [&](const char* name, int low, int high, int& field) {
            if (std::strcmp(argv[i], name) != 0) return false;
            if (i + 1 >= argc || !parseCount(argv[i + 1], low, high, field)) {
                std::fprintf(stderr, "skylister-listgen: %s needs a number from %d to %d\n", name,
                             low, high);
                std::exit(2);
            }
            ++i;
            return true;
        };
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (option("--names", 32, 40, sizes.names) ||
            option("--satellites", 1, 50, sizes.satellites) ||
            option("--tps", 1, 20000, sizes.transponders) ||
            option("--channels", 0, 20000, sizes.channels) ||
            option("--pid", 0, 1000, sizes.pidChannels) ||
            option("--analog", 0, 20000, sizes.analogChannels)) {
            continue;
        }
        if (argv[i][0] == '-' || output != nullptr) {
            std::fputs(kUsage, stderr);
            return 2;
        }
        output = argv[i];
    }
    if (output == nullptr || (sizes.names != 32 && sizes.names != 40)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string text = generate(sizes);
    FILE* file = std::fopen(output, "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "skylister-listgen: cannot create %s\n", output);
        return 1;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) != 0 || !written) {
        std::fprintf(stderr, "skylister-listgen: writing %s failed\n", output);
        return 1;
    }
    return 0;
}
