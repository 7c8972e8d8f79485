#pragma once

#include <deque>
#include <string>
#include <vector>

#include "db/UserInterface.h"

namespace sky::test {

// Records every message box, question, message-window text and progress report, and answers
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
    void writeMessage(const std::string& text) override;
    void progress(int position, int mode) override;

    // Queues the answers of the next questions.
    void answer(std::initializer_list<Answer> answers);

    std::vector<std::string> messages;
    std::vector<std::string> captions;
    std::vector<Question> questions;
    std::vector<std::string> windowTexts;
    std::vector<std::pair<int, int>> progressReports;
    std::deque<Answer> scriptedAnswers;
};

}  // namespace sky::test
