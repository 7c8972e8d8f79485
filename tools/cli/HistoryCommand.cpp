// The history command: the lists sent to and fetched from the receiver, kept by the window and by
// download and upload, listed, printed or written back to a file.

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "Arguments.h"
#include "Commands.h"
#include "db/FileIo.h"
#include "db/ReplacementFile.h"
#include "serial/TransferHistory.h"

namespace sky::cli {

namespace {

// The entry numbered N in the list (1 is the newest); nothing, said, when there is none.
std::optional<HistoryEntry> entryNumbered(const std::string& number) {
    const std::vector<HistoryEntry> entries = historyEntries(historyFolder());
    size_t n = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), n);
    if (error != std::errc() || end != number.data() + number.size() || n < 1 ||
        n > entries.size()) {
        std::fprintf(stderr, "skylister-cli: no list numbered %s in the history (%zu kept)\n",
                     number.c_str(), entries.size());
        return std::nullopt;
    }
    return entries[n - 1];
}

int listHistory() {
    const std::vector<HistoryEntry> entries = historyEntries(historyFolder());
    if (entries.empty()) {
        std::fprintf(stderr, "No lists are kept in %s\n", historyFolder().c_str());
        return kSuccess;
    }
    for (size_t n = 0; n < entries.size(); ++n) {
        const HistoryEntry& entry = entries[n];
        std::printf("%-3zu %s  %-7s  %3d sat %4d tp %5d ch  %s\n", n + 1, entry.when.c_str(),
                    historyKindName(entry.kind), entry.satellites, entry.transponders,
                    entry.channels, entry.source.c_str());
    }
    return kSuccess;
}

}  // namespace

int runHistory(const std::vector<std::string>& args) {
    Arguments parsed;
    if (!parsed.parse(args, {}, {})) return usageError(parsed.error());
    const std::vector<std::string>& words = parsed.positional();
    const std::string action = words.empty() ? "list" : words[0];
    if (action == "list" && words.size() <= 1) return listHistory();
    if (action == "show" && words.size() == 2) {
        const std::optional<HistoryEntry> entry = entryNumbered(words[1]);
        if (!entry) return kFailure;
        const std::optional<std::string> text = readWholeFile(entry->textPath);
        if (!text) {
            std::fprintf(stderr, "skylister-cli: cannot read %s\n", entry->textPath.c_str());
            return kFailure;
        }
        std::fwrite(text->data(), 1, text->size(), stdout);
        return std::fflush(stdout) == 0 ? kSuccess : kFailure;
    }
    if (action == "restore" && words.size() == 3) {
        const std::optional<HistoryEntry> entry = entryNumbered(words[1]);
        if (!entry) return kFailure;
        const std::optional<std::string> text = readWholeFile(entry->textPath);
        ReplacementFile out(words[2]);
        if (!text || !out.create() || !out.write(*text) || !out.commit()) {
            std::fprintf(stderr, "skylister-cli: cannot write %s\n", words[2].c_str());
            return kFailure;
        }
        return kSuccess;
    }
    return usageError("expected list, show N or restore N OUT.txt");
}

}  // namespace sky::cli
