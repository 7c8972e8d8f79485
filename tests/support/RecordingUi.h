#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "common/UserInterface.h"

namespace sky::test {

// Records every message box, question, message-window call and progress report, and answers
// questions from a script (Yes when the script is empty).
class RecordingUi : public IUserInterface {
public:
    struct Question {
        std::string text;
        Buttons buttons;
        Icon icon;
        std::string caption;
    };

    void message(const std::string& text, const std::string& caption) override;
    Answer ask(const std::string& text, Buttons buttons, Icon icon,
               const std::string& caption) override;
    void clearMessages() override { windowTexts.emplace_back(kCleared); }
    void appendMessage(const std::string& text) override { windowTexts.push_back(text); }
    void showMessageWindow() override { windowTexts.emplace_back(kShown); }
    void hideMessageWindow() override { windowTexts.emplace_back(kHidden); }
    void setProgress(int position) override { progressReports.push_back(position); }
    void endProgress() override { progressReports.push_back(kProgressEnded); }
    bool transferCancelled() const override { return cancelWhen && cancelWhen(); }
    void transferActivity() override { ++activityReports; }
    void transferAmount(uint64_t bytes) override { amounts.push_back(bytes); }
    void statusText(const std::string& text) override { statusTexts.push_back(text); }

    // What the message-window log holds for each command, and the progress log for its end.
    static constexpr const char* kCleared = "<cleared>";
    static constexpr const char* kShown = "<shown>";
    static constexpr const char* kHidden = "<hidden>";
    static constexpr int kProgressEnded = -1;

    // Queues the answers of the next questions.
    void answer(std::initializer_list<Answer> answers);

    std::vector<std::string> messages;
    std::vector<std::string> captions;
    std::vector<Question> questions;
    // The message window's texts and commands in order.
    std::vector<std::string> windowTexts;
    // The progress positions in order.
    std::vector<int> progressReports;
    std::deque<Answer> scriptedAnswers;
    // The status-bar lines in order.
    std::vector<std::string> statusTexts;
    // Called as each message box is shown.
    std::function<void(const std::string&)> onMessage;
    // Asked whenever a transfer checks for the user's cancel.
    std::function<bool()> cancelWhen;
    // The amounts a transfer reported as received, in order.
    std::vector<uint64_t> amounts;
    // How many times a transfer told that bytes moved on its line.
    int activityReports = 0;
};

}  // namespace sky::test
