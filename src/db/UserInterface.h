#pragma once

#include <string>

namespace sky {

// The program's name, the caption of message boxes unless another is given.
inline constexpr const char* kAppName = "Skylister";

enum class Answer { Ok, Yes, No, Cancel };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { None, Exclamation, Question, Information };

// What the core needs of a window system: message boxes, questions, the message window and the
// progress indicator. The Qt program shows them, the command-line tool prints them and tests
// record them.
class IUserInterface {
public:
    virtual ~IUserInterface() = default;

    // A modal box with an OK button and the exclamation icon.
    virtual void message(const std::string& text, const std::string& caption = kAppName) = 0;

    // A modal question; returns the button pressed.
    virtual Answer ask(const std::string& text, Buttons buttons, Icon icon = Icon::Question,
                       const std::string& caption = kAppName) = 0;

    // The message window: "CLEAR ALL MESSAGE", "HIDE MESSAGE WINDOW" and "SHOW MESSAGE WINDOW"
    // are commands; any other text is appended as it is.
    virtual void writeMessage(const std::string& text) = 0;

    // The progress indicator: mode 1 sets the position (0 to 100), any other mode removes it.
    virtual void progress(int position, int mode) = 0;
};

}  // namespace sky
