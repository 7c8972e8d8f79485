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

#include "editor/order/ApplyOrder.h"
#include "shell/DocumentWindow.h"
#include "shell/commands/ApplyOrderCommand.h"
#include "shell/commands/ImportChannelsCommand.h"
#include "shell/commands/ImportTranspondersCommand.h"
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
    std::optional<ChosenFile> chooseNewFile(const std::string& caption,
                                            const std::vector<FileFilter>& filters,
                                            const std::string& suggested) override {
        lastFilters = filters;
        std::optional<std::string> answer = choose("new " + caption, suggested);
        if (!answer) return std::nullopt;
        return ChosenFile{*answer, newFileFilter};
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
    // Apply Order's preview: the script's answer, or Apply with the default options.
    bool runOrderPreview(const OrderPreviewRequest& request, OrderChoice& choice) override {
        previewedReferences.push_back(request.referenceName);
        if (orderPreview) return orderPreview(request, choice);
        choice.plan = planOrder(request.tokens, request.reference, choice.options);
        return true;
    }
    bool runTransponderImport(const TokenArray& tokens, const ScanTableFolder& /*folder*/,
                              TransponderChoice& choice) override {
        return transponderImport && transponderImport(tokens, choice);
    }
    void setClipboard(const std::string& text, const std::string& html) override {
        clipboardText = text;
        clipboardHtml = html;
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
    // The filter a new file is chosen with (chooseNewFile).
    std::size_t newFileFilter = 0;
    // Plays the user of Apply Order's preview; none: Apply with the default options.
    std::function<bool(const OrderPreviewRequest&, OrderChoice&)> orderPreview;
    std::vector<std::string> previewedReferences;
    // Plays the user of Import Transponders' dialog; none: Cancel.
    std::function<bool(const TokenArray&, TransponderChoice&)> transponderImport;
    std::string clipboardText;
    std::string clipboardHtml;
    std::function<void(HistorySession&)> history;
    // The comparisons shown, in order.
    std::vector<std::shared_ptr<OpenComparison>> comparisons;
};

}  // namespace sky::test
