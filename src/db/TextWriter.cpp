// Writing the token array back as a channel-list text file.

#include "db/TextWriter.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "common/Format.h"
#include "db/ListLayout.h"
#include "db/ReplacementFile.h"
#include "db/SiblingPath.h"
#include "db/TextFormat.h"

namespace sky {

namespace {

// The text is written in pieces of about this size when it goes to a file: a large list then
// takes no buffer of its own size.
constexpr size_t kPieceSize = size_t{1} << 20;

// Puts the text of the token array together in `buffer`, handing what it holds to `flush`
// whenever that is more than `flushAt` bytes (stopping when flush returns false). What follows
// the last flush stays in the buffer, which ends up exactly as long as that rest.
template <class Flush>
bool writeText(const TokenArray& tokens, std::string& buffer, size_t flushAt, Flush flush) {
    const std::array<FieldRange, 6> ranges = findSections(tokens);
    const std::array<SectionLayout, 6>& layouts = sectionLayouts();
    size_t used = 0;
    // Room for `bytes` more at the end of what is written; the buffer grows only for a list of
    // unusually long fields.
    const auto room = [&buffer, &used](size_t bytes) {
        if (buffer.size() - used < bytes) buffer.resize(std::max(buffer.size() * 2, used + bytes));
        return buffer.data() + used;
    };
    const auto append = [&room, &used](std::string_view piece) {
        std::copy(piece.begin(), piece.end(), room(piece.size()));
        used += piece.size();
    };
    for (size_t s = 0; s < kSections.size(); ++s) {
        const SectionLayout& layout = layouts[s];
        append(layout.header);
        const FieldRange& range = ranges[s];
        if (range.empty()) continue;
        const auto columns = static_cast<size_t>(kSections[s].rowLength);
        for (size_t first = range.first; first <= range.last; first += columns) {
            // A last row cut short is written as far as it goes.
            const size_t count = std::min(columns, range.last - first + 1);
            char* const begin = room(2 + rowRoom(tokens, first, count));
            char* at = begin;
            *at++ = '\r';
            *at++ = '\n';
            at = putRow(at, tokens, first, count, layout);
            used += static_cast<size_t>(at - begin);
            if (used > flushAt) {
                if (!flush(std::string_view(buffer.data(), used))) return false;
                used = 0;
            }
        }
    }
    append(kListEnd);
    buffer.resize(used);
    return true;
}

}  // namespace

std::string channelListText(const TokenArray& tokens) {
    // Sized once for the usual nine bytes a field takes.
    size_t estimate = kListEnd.size();
    for (const SectionLayout& layout : sectionLayouts()) estimate += layout.header.size();
    for (const FieldRange& range : findSections(tokens)) {
        if (!range.empty()) estimate += (range.last - range.first + 1) * 10;
    }
    std::string text(estimate, '\0');
    writeText(tokens, text, SIZE_MAX, [](std::string_view) { return true; });
    return text;
}

bool writeChannelList(const std::string& path, const TokenArray& tokens, IUserInterface& ui) {
    const std::optional<std::string> backupPath = siblingPath(path, ".bak");
    if (!backupPath) {
        ui.message(notTextPathMessage(path));
        return false;
    }
    ReplacementFile file(path);
    if (!file.create()) {
        ui.message(format("Can't open .temp file : %s\n", path.c_str()));
        return false;
    }
    std::string piece(kPieceSize + kPieceSize / 4, '\0');
    const bool written = writeText(tokens, piece, kPieceSize,
                                   [&file](std::string_view text) { return file.append(text); }) &&
                         file.append(piece) && file.close();
    if (!written) {
        ui.message(format("Can't write the channel list file : %s\nThe previous file is kept.\n",
                          path.c_str()));
        return false;
    }
    // The previous version becomes the backup; a missing file or old backup is no error.
    std::remove(backupPath->c_str());
    const bool backedUp = std::rename(path.c_str(), backupPath->c_str()) == 0;
    if (!file.commit()) {
        if (backedUp) std::rename(backupPath->c_str(), path.c_str());
        ui.message(format("Can't write the channel list file : %s\nThe previous file is kept.\n",
                          path.c_str()));
        return false;
    }
    return true;
}

}  // namespace sky
