#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/UserInterface.h"

namespace sky {

// A user interface whose message boxes wait until show(): a step that runs beside work on another
// thread says what it has to say once that work is done, as a box would let the window change
// what the other thread reads. All else, questions too, goes on to the real one at once.
class DeferredMessages : public IUserInterface {
public:
    explicit DeferredMessages(IUserInterface& ui) : ui_(ui) {}
    DeferredMessages(const DeferredMessages&) = delete;
    DeferredMessages& operator=(const DeferredMessages&) = delete;

    // Shows the messages held back, in their order.
    void show() {
        std::vector<std::pair<std::string, std::string>> held;
        held.swap(held_);
        for (const auto& [text, caption] : held) ui_.message(text, caption);
    }

    void message(const std::string& text, const std::string& caption) override {
        held_.emplace_back(text, caption);
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
    void transferAmount(std::uint64_t bytes) override { ui_.transferAmount(bytes); }
    void transferActivity() override { ui_.transferActivity(); }

private:
    IUserInterface& ui_;
    std::vector<std::pair<std::string, std::string>> held_;
};

}  // namespace sky
