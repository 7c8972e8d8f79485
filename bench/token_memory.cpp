// Loads a channel list and reports the memory of its token array: bytes per field on average, and
// the process's peak resident set size.

#include <sys/resource.h>

#include <cstdio>

#include "QuietUi.h"
#include "listdb/ListFile.h"

namespace {}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: token_memory LIST.txt\n");
        return 2;
    }
    sky::RuntimeSettings settings;
    settings.maxSatellite40 = true;
    QuietUi ui(sky::Answer::Yes);
    sky::ListFile db(settings, ui, argv[1]);
    sky::TokenArray tokens;
    if (db.loadChannelList(tokens) == sky::LoadResult::Failed) return 1;

    size_t bytes = tokens.capacity() * sizeof(std::string);
    for (const std::string& field : tokens) {
        // Texts longer than the string's own buffer live on the heap (with the allocator's header).
        if (field.capacity() > 15) bytes += field.capacity() + 1 + 16;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("fields %zu, token array %zu bytes, %.1f bytes per field, peak RSS %ld KiB\n",
                tokens.size(), bytes,
                static_cast<double>(bytes) / static_cast<double>(tokens.size()), usage.ru_maxrss);
    return 0;
}
