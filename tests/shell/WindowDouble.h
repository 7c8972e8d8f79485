#pragma once

// The main window of the shell tests: answers the file dialogs from a script and records what it
// was asked; transfers run in the caller, counted.

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/DocumentWindow.h"
#include "shell/commands/ImportChannelsCommand.h"
#include "shell/history/HistoryCommand.h"

namespace sky::test {

class WindowDouble : public IDocumentWindow {
public:
    std::optional<std::string> chooseFileToOpen(const std::string& caption,
                                                const std::vector<FileFilter>& filters,
                                                const std::optional<std::string>& folder) override {
        lastFilters = filters;
        return choose("open " + caption, folder);
    }
    std::optional<std::string> chooseFileToSave(const std::string& caption,
                                                const std::vector<FileFilter>& filters,
                                                const std::optional<std::string>& folder) override {
        lastFilters = filters;
        return choose("save " + caption, folder);
    }
    void setTitle(const std::string& text) override { title = text; }
    void beginWait() override { ++waits; }
    void endWait() override { --waits; }
    void showComparison(std::shared_ptr<OpenComparison> comparison) override {
        comparisons.push_back(std::move(comparison));
    }
    bool runChannelImport(ChannelImportSession& session) override {
        ++channelImports;
        return channelImport && channelImport(session);
    }
    void runHistory(HistorySession& session) override {
        if (history) history(session);
    }
    bool runTransfer(const std::function<bool()>& transfer) override {
        ++transfers;
        waitsDuringTransfer.push_back(waits);
        if (duringTransfer) duringTransfer();
        return transfer();
    }

    std::optional<std::string> choose(const std::string& what,
                                      const std::optional<std::string>& folder) {
        dialogs.push_back(what);
        folders.push_back(folder.value_or("<none>"));
        if (answers.empty()) return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> dialogs;
    std::vector<std::string> folders;
    std::vector<FileFilter> lastFilters;
    std::string title = "Skylister : Untitled";
    int waits = 0;
    int transfers = 0;
    // The wait cursors shown as each transfer began.
    std::vector<int> waitsDuringTransfer;
    // Called as a transfer begins, before it runs.
    std::function<void()> duringTransfer;
    // Plays the user of Import Channels' preview; none: Cancel.
    std::function<bool(ChannelImportSession&)> channelImport;
    int channelImports = 0;
    std::function<void(HistorySession&)> history;
    // The comparisons shown, in order.
    std::vector<std::shared_ptr<OpenComparison>> comparisons;
};

}  // namespace sky::test
