#pragma once

#include "common/UserInterface.h"

namespace sky::cli {

// The command-line face of the program: message boxes are printed in full on standard error,
// message-window texts on standard output as they come. Questions are printed and answered Yes,
// since the command line already says what the user wants.
class ConsoleUi : public IUserInterface {
public:
    void message(const std::string& text, const std::string& caption = kAppName) override;
    Answer ask(const std::string& text, Buttons buttons, Icon icon = Icon::Question,
               const std::string& caption = kAppName) override;
    void clearMessages() override {}
    void appendMessage(const std::string& text) override;
    void showMessageWindow() override {}
    void hideMessageWindow() override {}
    void setProgress(int /*position*/) override {}
    void endProgress() override {}

    // Number of message boxes shown so far.
    int messageCount() const { return messageCount_; }

private:
    int messageCount_ = 0;
};

}  // namespace sky::cli
