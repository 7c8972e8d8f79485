// Loads a channel list and reports the memory of its token array: bytes per field on average, and
// the process's peak resident set size.

#include <sys/resource.h>

#include <cstdio>

#include "db/ListDB.h"

namespace {

class QuietUi : public sky::IUserInterface {
public:
    void message(const std::string& text, const std::string&) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    sky::Answer ask(const std::string&, sky::Buttons, sky::Icon, const std::string&) override {
        return sky::Answer::Yes;
    }
    void writeMessage(const std::string&) override {}
    void progress(int, int) override {}
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: token_memory LIST.txt\n");
        return 2;
    }
    sky::RuntimeSettings settings;
    settings.maxSatellite40 = true;
    QuietUi ui;
    sky::CListDB db(settings, ui, argv[1]);
    sky::TokenArray tokens;
    if (!db.LoadChannelList(tokens)) return 1;

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
