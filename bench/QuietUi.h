#pragma once

#include <cstdio>
#include <string>

#include "common/UserInterface.h"

// The user interface of the benchmarks: questions get a fixed answer, boxes are kept (and printed
// when asked), the message window and the progress indicator show nothing.
class QuietUi : public sky::IUserInterface {
public:
    explicit QuietUi(sky::Answer answer, bool printMessages = true)
        : answer_(answer), print_(printMessages) {}

    void message(const std::string& text, const std::string&) override {
        last = text;
        if (print_) std::fprintf(stderr, "message: %s\n", text.c_str());
    }
    sky::Answer ask(const std::string&, sky::Buttons, sky::Icon, const std::string&) override {
        return answer_;
    }
    void clearMessages() override {}
    void appendMessage(const std::string&) override {}
    void showMessageWindow() override {}
    void hideMessageWindow() override {}
    void setProgress(int) override {}
    void endProgress() override {}

    // The text of the last box.
    std::string last;

private:
    sky::Answer answer_;
    bool print_;
};
