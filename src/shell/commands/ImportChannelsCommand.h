#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "db/TokenArray.h"
#include "db/channels/ChannelRecord.h"
#include "editor/document/ListDocument.h"
#include "editor/import/ChannelImport.h"
#include "shell/DocumentWindow.h"

namespace sky {

// Import Channels over the open list: the file chosen, its preview as the dialog shows it and
// changes it, and the import. The dialog only draws the session and calls it; the rules are
// those of editor/import/ChannelImport.h, the same as skylister-cli's import-channels.
class ChannelImportSession {
public:
    ChannelImportSession(const TokenArray& tokens, std::string path);

    const std::string& path() const { return path_; }
    const TokenArray& tokens() const { return tokens_; }
    const ChannelImportPreview& preview() const { return preview_; }
    const ChannelImportCounts& counts() const { return counts_; }
    // The format chosen over the one the content gives; nothing: by content.
    const std::optional<ChannelFormat>& chosenFormat() const { return format_; }
    const ChannelImportOptions& options() const { return preview_.options; }

    // Reads the file again in another format (nothing: by content) and previews it.
    void chooseFormat(std::optional<ChannelFormat> format);
    // Previews the file read with other options (the satellite, the map of a position to a
    // satellite, PID channels, ticks). The ticks and names edited so far are made again.
    void chooseOptions(const ChannelImportOptions& options);
    // The user ticks a row or names it (UTF-8); false for a row that cannot be ticked.
    bool tick(std::size_t row, bool ticked);
    void rename(std::size_t row, const std::string& name);
    // The file's row at `row`, by its line, in the preview.
    std::optional<std::size_t> rowOfLine(int line) const;

    // Something is ticked and it fits the list.
    bool canImport() const;
    // Why Import is disabled, for the dialog's warning: the file's error, the capacity, or
    // nothing ticked; empty when it is enabled.
    std::string importBlocked() const;

private:
    void previewAgain(ChannelFile file, const ChannelImportOptions& options);

    const TokenArray& tokens_;
    std::string path_;
    std::optional<ChannelFormat> format_;
    ChannelImportPreview preview_;
    ChannelImportCounts counts_;
    // What the user changed, by the file's line, to make again on a new preview.
    std::map<int, bool> ticks_;
    std::map<int, std::string> names_;
};

// The file dialog's filters for the files Import Channels reads.
const std::vector<FileFilter>& channelFileFilters();

// File > Import Channels: asks for a file (starting in `folder`), reads and previews it, lets the
// window's dialog show the preview, and imports the ticked rows as one step of Undo ("Import
// Channels"). A file that cannot be read, or an import refused, is said in a box and changes
// nothing. Returns the number of rows added.
std::size_t runImportChannels(ListDocument& list, IDocumentWindow& window,
                              const std::optional<std::string>& folder);

}  // namespace sky
