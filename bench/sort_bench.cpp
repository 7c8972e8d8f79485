// Times the channel sort on the largest channel list (20,000 transponders, 20,000 digital
// channels, 1,000 PID channels, 20,000 analog channels): each mode with names ascending and
// descending, the orders that cost the exchange sort most (a list sorted the other way round, and
// two keys interleaved), and the block arrangement with its revert. Target: each sort under 1 s.
// Usage: sort_bench [SEED]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>

#include "db/TokenArray.h"
#include "editor/sort/ChannelSorter.h"

namespace {

using namespace sky;

void append(TokenArray& tokens, std::initializer_list<std::string> cells) {
    tokens.insert(tokens.end(), cells);
}

// A list of the largest size with names, types, satellites and transponders that repeat, so that
// many records share keys.
TokenArray largestList(unsigned seed) {
    std::mt19937 rng(seed);
    const auto number = [&](int below) { return std::to_string(rng() % below); };
    const auto word = [&] {
        std::string name;
        const int length = 3 + static_cast<int>(rng() % 8);
        for (int i = 0; i < length; ++i)
            name += static_cast<char>((rng() % 3 ? 'A' : 'a') + rng() % 6);
        return name;
    };
    TokenArray tokens{"SAT_NAME START"};
    for (int i = 1; i <= 40; ++i) append(tokens, {std::to_string(i), "SAT" + std::to_string(i)});
    append(tokens, {"SAT_NAME END", "SATELLITE START"});
    for (int i = 0; i < 50; ++i) {
        append(tokens, {std::to_string(i), "SAT" + std::to_string(i), "N", "10600", "9750",
                        std::to_string(i), "0192"});
    }
    append(tokens, {"SATELLITE END", "DIGITAL START"});
    for (int i = 1; i <= 20000; ++i) {
        append(tokens, {std::to_string(i), number(50), std::to_string(10700 + rng() % 2000),
                        "27500", rng() % 2 ? "H" : "V", "BQ" + number(200)});
    }
    append(tokens, {"DIGITAL END", "CHANNEL START"});
    for (int i = 1; i <= 20000; ++i) {
        append(tokens, {std::to_string(i), number(20001), number(50), "1A",
                        rng() % 4 ? "TV" : "RADIO", word(), "1", "N"});
    }
    append(tokens, {"CHANNEL END", "CHANNEL_PID START"});
    for (int i = 20001; i <= 21000; ++i) {
        append(tokens, {std::to_string(i), number(20001), number(50), rng() % 4 ? "TV" : "RADIO",
                        word(), "512", "650", "8190", "1", "N"});
    }
    append(tokens, {"CHANNEL_PID END", "ANALOG START"});
    for (int i = 1; i <= 20000; ++i) {
        append(tokens, {std::to_string(i), number(50), std::to_string(950 + rng() % 1200), "C",
                        word(), "27MHz", "H", "1", "5", "CVBS", "STEREO", "6.50", "6.50", "130",
                        "Y", "U50", rng() % 4 ? "TV" : "RADIO", "N"});
    }
    append(tokens, {"ANALOG END"});
    return tokens;
}

// Sets the name of every record of a section.
void renameAll(TokenArray& tokens, const std::string& start, int width, int nameCell,
               const std::function<std::string(int)>& name) {
    std::size_t cell = 0;
    while (tokens[cell] != start) ++cell;
    ++cell;
    for (int record = 0; tokens[cell].find(" END") == std::string::npos; cell += width, ++record) {
        tokens[cell + static_cast<std::size_t>(nameCell)] = name(record);
    }
}

double worst = 0;

void time(const char* label, const TokenArray& list, const std::function<void(TokenArray&)>& run) {
    double best = 1e9;
    for (int attempt = 0; attempt < 3; ++attempt) {
        TokenArray tokens = list;
        const auto start = std::chrono::steady_clock::now();
        run(tokens);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    worst = std::max(worst, best);
    std::printf("%-52s %8.1f ms\n", label, best);
}

}  // namespace

int main(int argc, char** argv) {
    const unsigned seed = argc > 1 ? static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)) : 1;
    const TokenArray list = largestList(seed);
    std::printf("list: %zu cells\n", list.size());

    struct Mode {
        SortMode mode;
        const char* name;
    };
    for (const Mode mode : {Mode{SortMode::ChannelName, "mode 1 (satellite, type, name)"},
                            Mode{SortMode::Frequency, "mode 2 (satellite, type, frequency, name)"},
                            Mode{SortMode::Bouquet, "mode 3 (satellite, type, bouquet, name)"},
                            Mode{SortMode::NameOnly, "mode 4 (type, name)"}}) {
        for (const bool ascending : {true, false}) {
            const std::string label = std::string(mode.name) + (ascending ? "" : ", names down");
            time(label.c_str(), list, [&](TokenArray& tokens) {
                sortChannels(tokens, mode.mode, {.ascendingNames = ascending});
            });
        }
    }

    // Sorted the other way round: every record the exchange sort meets is a new minimum.
    TokenArray reversed = list;
    sortChannels(reversed, SortMode::NameOnly, {.ascendingNames = false});
    time("mode 4 on a list sorted the other way round", reversed,
         [](TokenArray& tokens) { sortChannels(tokens, SortMode::NameOnly, {}); });

    // Two names interleaved, one type: the equal-key order is rotated at every smaller record.
    TokenArray interleaved = list;
    const auto alternate = [](int record) {
        return record % 2 ? std::string("A") : std::string("B");
    };
    renameAll(interleaved, "CHANNEL START", 8, 5, alternate);
    renameAll(interleaved, "ANALOG START", 18, 4, alternate);
    time("mode 4 on two interleaved names", interleaved,
         [](TokenArray& tokens) { sortChannels(tokens, SortMode::NameOnly, {}); });

    time("block arrangement and revert", list, [](TokenArray& tokens) {
        ChannelSorter sorter;
        sorter.arrangeBlocks(tokens);
        sorter.revertBlocks(tokens);
    });

    std::printf("slowest: %.1f ms (target: each sort under 1000 ms)\n", worst);
    return worst < 1000 ? 0 : 1;
}
