#pragma once

#include <cstdint>
#include <string>

#include "common/UserInterface.h"

namespace sky {

// The user interface as one transfer uses it: everything goes on to the program's, and each box
// the transfer shows (its result, or why it stopped) is first written in the message window, so
// that the window holds the whole account of the transfer, and the progress indicator goes, so
// that no progress stands under a result.
class TransferLog : public IUserInterface {
public:
    explicit TransferLog(IUserInterface& ui) : ui_(ui) {}

    void message(const std::string& text, const std::string& caption) override {
        ui_.appendMessage(text.ends_with('\n') ? text : text + "\r\n");
        ui_.endProgress();
        ui_.message(text, caption);
    }
    Answer ask(const std::string& text, Buttons buttons, Icon icon,
               const std::string& caption) override {
        return ui_.ask(text, buttons, icon, caption);
    }
    void clearMessages() override { ui_.clearMessages(); }
    void appendMessage(const std::string& text) override { ui_.appendMessage(text); }
    void showMessageWindow() override { ui_.showMessageWindow(); }
    void hideMessageWindow() override { ui_.hideMessageWindow(); }
    void statusText(const std::string& text) override { ui_.statusText(text); }
    void setProgress(int position) override { ui_.setProgress(position); }
    void endProgress() override { ui_.endProgress(); }
    bool transferCancelled() const override { return ui_.transferCancelled(); }
    void transferAmount(uint64_t bytes) override { ui_.transferAmount(bytes); }
    void transferActivity() override { ui_.transferActivity(); }

private:
    IUserInterface& ui_;
};

}  // namespace sky
