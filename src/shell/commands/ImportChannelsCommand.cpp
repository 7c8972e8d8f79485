#include "shell/commands/ImportChannelsCommand.h"

#include <algorithm>
#include <utility>

namespace sky {

ChannelImportSession::ChannelImportSession(const TokenArray& tokens, std::string path)
    : tokens_(tokens), path_(std::move(path)) {
    chooseFormat(std::nullopt);
}

void ChannelImportSession::chooseFormat(std::optional<ChannelFormat> format) {
    format_ = format;
    // Another format reads other rows: the user's changes belonged to the rows read before.
    ticks_.clear();
    names_.clear();
    previewAgain(readChannelFileAt(path_, format_), preview_.options);
}

void ChannelImportSession::chooseOptions(const ChannelImportOptions& options) {
    ChannelFile file = std::move(preview_.file);
    previewAgain(std::move(file), options);
}

void ChannelImportSession::previewAgain(ChannelFile file, const ChannelImportOptions& options) {
    preview_ = previewChannelImport(tokens_, std::move(file), options);
    for (const auto& [line, ticked] : ticks_) {
        if (const std::optional<std::size_t> row = rowOfLine(line)) {
            setChannelTicked(preview_, *row, ticked);
        }
    }
    for (const auto& [line, name] : names_) {
        if (const std::optional<std::size_t> row = rowOfLine(line)) {
            renameImportRow(preview_, *row, name);
        }
    }
    counts_ = countChannelImport(tokens_, preview_);
}

std::optional<std::size_t> ChannelImportSession::rowOfLine(int line) const {
    // The rows are in the file's order.
    const auto found = std::lower_bound(
        preview_.rows.begin(), preview_.rows.end(), line,
        [](const ChannelImportRow& row, int wanted) { return row.record.line < wanted; });
    if (found == preview_.rows.end() || found->record.line != line) return std::nullopt;
    return static_cast<std::size_t>(found - preview_.rows.begin());
}

bool ChannelImportSession::tick(std::size_t row, bool ticked) {
    if (!setChannelTicked(preview_, row, ticked)) return false;
    ticks_[preview_.rows[row].record.line] = ticked;
    counts_ = countChannelImport(tokens_, preview_);
    return true;
}

void ChannelImportSession::rename(std::size_t row, const std::string& name) {
    if (row >= preview_.rows.size()) return;
    renameImportRow(preview_, row, name);
    names_[preview_.rows[row].record.line] = name;
}

bool ChannelImportSession::canImport() const {
    return importBlocked().empty();
}

std::string ChannelImportSession::importBlocked() const {
    if (!preview_.error.empty()) return preview_.error;
    if (!counts_.overCapacity.empty()) return counts_.overCapacity;
    if (counts_.channels + counts_.pidChannels == 0) return "No row is ticked.";
    return {};
}

const std::vector<FileFilter>& channelFileFilters() {
    static const std::vector<FileFilter> filters{
        {"Channel files (channels.conf, DVBv5, lamedb)", {"*.conf", "*.channels", "lamedb*"}},
        {"All Files", {"*"}}};
    return filters;
}

std::size_t runImportChannels(ListDocument& list, IDocumentWindow& window,
                              const std::optional<std::string>& folder) {
    if (!list.loaded() || list.locked()) return 0;
    const std::optional<std::string> path =
        window.chooseFileToOpen(kImportChannelsLabel, channelFileFilters(), folder);
    if (!path) return 0;
    std::optional<ChannelImportSession> session;
    {
        const WaitCursor wait(window);
        session.emplace(list.tokens(), *path);
    }
    // A file that cannot be read, or of no format the content tells, is said at once.
    if (!session->preview().error.empty()) {
        list.ui().message(session->preview().error);
        return 0;
    }
    if (!window.runChannelImport(*session)) return 0;
    const WaitCursor wait(window);
    return importChannels(list, session->preview());
}

}  // namespace sky
