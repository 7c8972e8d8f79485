// Writing the token array back as a channel-list text file.

#include "db/TextWriter.h"

#include <algorithm>
#include <array>
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

std::string channelListText(const TokenArray& tokens) {
    const std::array<FieldRange, 6> ranges = findSections(tokens);
    const std::array<SectionLayout, 6>& layouts = sectionLayouts();
    // The rows are written straight into the text, which is sized once for the usual nine
    // bytes a field takes and grows only for a list of unusually long fields.
    size_t estimate = kListEnd.size();
    for (size_t s = 0; s < kSections.size(); ++s) {
        estimate += layouts[s].header.size();
        if (!ranges[s].empty()) estimate += (ranges[s].last - ranges[s].first + 1) * 10;
    }
    std::string text(estimate, '\0');
    size_t used = 0;
    const auto room = [&text, &used](size_t bytes) {
        if (text.size() - used < bytes) text.resize(std::max(text.size() * 2, used + bytes));
        return text.data() + used;
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
        }
    }
    append(kListEnd);
    text.resize(used);
    return text;
}

bool writeChannelList(const std::string& path, const TokenArray& tokens, IUserInterface& ui) {
    const std::optional<std::string> backupPath = siblingPath(path, ".bak");
    if (!backupPath) {
        ui.message(notTextPathMessage(path));
        return false;
    }
    const std::string text = channelListText(tokens);

    ReplacementFile file(path);
    if (!file.create()) {
        ui.message(format("Can't open .temp file : %s\n", path.c_str()));
        return false;
    }
    if (!file.write(text)) {
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
