#pragma once

#include <chrono>
#include <csignal>
#include <cstdint>
#include <optional>

#include "common/UserInterface.h"

namespace sky::cli {

// Passes boxes and message-window texts on to the console and turns the transfers' progress
// reports into a progress line on standard error: bytes, rate and, for a download, time left (for
// an upload, how far it has come when that can be estimated).
// Nothing is drawn unless standard error is a terminal. While it exists, Ctrl+C cancels the
// transfer instead of killing the program, so the port is closed and the files are left whole.
class TransferProgress : public IUserInterface {
public:
    // totalBytes: the download file's size; nothing for an upload, whose size is not known.
    TransferProgress(IUserInterface& console, std::optional<uint64_t> totalBytes);
    ~TransferProgress() override;

    void message(const std::string& text, const std::string& caption) override;
    Answer ask(const std::string& text, Buttons buttons, Icon icon,
               const std::string& caption) override;
    void clearMessages() override { console_.clearMessages(); }
    void appendMessage(const std::string& text) override;
    void showMessageWindow() override { console_.showMessageWindow(); }
    void hideMessageWindow() override { console_.hideMessageWindow(); }
    void setProgress(int position) override;
    void endProgress() override {}
    void transferAmount(uint64_t bytes) override;
    bool transferCancelled() const override;

private:
    using Clock = std::chrono::steady_clock;
    void draw(bool force);
    void clearLine();

    IUserInterface& console_;
    std::optional<uint64_t> total_;
    bool enabled_;
    bool shown_ = false;
    uint64_t bytes_ = 0;
    // An upload's position, estimated from the list received last; nothing without one.
    std::optional<int> estimate_;
    std::optional<Clock::time_point> firstReport_;
    uint64_t bytesAtFirstReport_ = 0;
    Clock::time_point lastDraw_{};
    struct sigaction previousInterrupt_ {};
};

}  // namespace sky::cli
