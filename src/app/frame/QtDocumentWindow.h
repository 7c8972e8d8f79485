#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <utility>

#include "shell/DocumentWindow.h"

class QWidget;

namespace sky::app {

// The document's file dialogs (QFileDialog), the window title, the wait cursor (an override
// cursor) and the transfers, each on a thread of its own while the window goes on.
class QtDocumentWindow : public IDocumentWindow {
public:
    explicit QtDocumentWindow(QWidget& frame) : frame_(frame) {}

    std::optional<std::string> chooseFileToOpen(const std::string& caption,
                                                const std::vector<FileFilter>& filters,
                                                const std::optional<std::string>& folder) override;
    std::optional<std::string> chooseFileToSave(const std::string& caption,
                                                const std::vector<FileFilter>& filters,
                                                const std::optional<std::string>& folder) override;
    std::optional<ChosenFile> chooseNewFile(const std::string& caption,
                                            const std::vector<FileFilter>& filters,
                                            const std::string& suggested) override;
    void setTitle(const std::string& title) override;
    void beginWait() override;
    void endWait() override;
    // Runs the transfer on a worker thread and returns its result; meanwhile the window's events
    // are processed (repaints, the message window, the progress, the Cancel button and the boxes
    // the transfer raises). The override cursor becomes the busy cursor for that time.
    bool runTransfer(const std::function<bool()>& transfer) override;
    void showComparison(std::shared_ptr<OpenComparison> comparison) override {
        if (comparisonReady) comparisonReady(std::move(comparison));
    }

    // Shows ImportChannelsDialog over the main window.
    bool runChannelImport(ChannelImportSession& session) override;
    // Shows ApplyOrderDialog over the main window.
    bool runOrderPreview(const OrderPreviewRequest& request, OrderChoice& choice) override;
    // Shows ImportTranspondersDialog over the main window.
    bool runTransponderImport(const TokenArray& tokens, const ScanTableFolder& folder,
                              TransponderChoice& choice) override;
    // The system clipboard.
    void setClipboard(const std::string& text, const std::string& html) override;
    // Shows HistoryDialog over the main window.
    void runHistory(HistorySession& session) override;

    // Shows a comparison (the main window's comparison window).
    std::function<void(std::shared_ptr<OpenComparison>)> comparisonReady;
    // Told when a transfer starts (true) and when it has ended (false).
    std::function<void(bool running)> transferRunningChanged;

    // Tests answer the file dialogs here: when set, no dialog is shown; the argument tells a
    // save dialog from an open one. An answer is taken with the first filter.
    std::function<std::optional<std::string>(bool save)> answerFileDialogs;

private:
    std::optional<ChosenFile> choose(bool save, const std::string& caption,
                                     const std::vector<FileFilter>& filters,
                                     const std::optional<std::string>& folder,
                                     const QString& suggested = {});

    QWidget& frame_;
};

// A filter in Qt's form: "Channel list File(*.TXT) (*.txt *.TXT)".
QString qtFilter(const FileFilter& filter);

}  // namespace sky::app
