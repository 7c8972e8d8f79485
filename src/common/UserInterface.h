#pragma once

#include <cstdint>
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

    // The message window, in which a transfer reports what it does. Clearing it also shows it.
    virtual void clearMessages() = 0;
    virtual void appendMessage(const std::string& text) = 0;
    virtual void showMessageWindow() = 0;
    virtual void hideMessageWindow() = 0;

    // A line in the status bar that stays until the next command's.
    virtual void statusText(const std::string& text) { (void)text; }

    // The progress indicator: sets its position from 0 to 100 (a larger value shows it full),
    // creating it on first use; endProgress() removes it.
    virtual void setProgress(int position) = 0;
    virtual void endProgress() = 0;

    // Whether the user has asked to stop the transfer under way. A transfer asks before each
    // packet and read, and ends there, leaving the receiver as a line that falls silent does.
    virtual bool transferCancelled() const { return false; }

    // The bytes a transfer has received so far, where the progress position can only estimate
    // how far it is (the upload, whose size the receiver does not tell): the window shows the
    // amount and the rate beside the indicator.
    virtual void transferAmount(uint64_t bytes) { (void)bytes; }

    // Bytes have moved on the transfer's line (sent or received). The window tells a receiver
    // that has fallen silent from a transfer that is slow by the time since the last call.
    virtual void transferActivity() {}
};

}  // namespace sky
