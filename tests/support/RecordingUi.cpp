#include "support/RecordingUi.h"

namespace sky::test {

void RecordingUi::message(const std::string& text, const std::string& caption) {
    messages.push_back(text);
    captions.push_back(caption);
    if (onMessage) onMessage(text);
}

Answer RecordingUi::ask(const std::string& text, Buttons buttons, Icon icon,
                        const std::string& caption) {
    questions.push_back({text, buttons, icon, caption});
    if (scriptedAnswers.empty()) return Answer::Yes;
    const Answer next = scriptedAnswers.front();
    scriptedAnswers.pop_front();
    return next;
}

void RecordingUi::answer(std::initializer_list<Answer> answers) {
    scriptedAnswers.insert(scriptedAnswers.end(), answers);
}

}  // namespace sky::test
