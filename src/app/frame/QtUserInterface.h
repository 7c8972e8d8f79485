#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "common/UserInterface.h"

class QMainWindow;
class QProgressBar;

namespace sky::app {

class MessageWindow;

// One message box or question as the program would show it.
struct BoxRequest {
    QString text;  // "\r\n" already turned into line breaks
    QString caption;
    Buttons buttons;
    Icon icon;
};

// The core's user interface in the window: message boxes and questions as QMessageBox, the
// message window, and the progress indicator in the status bar.
class QtUserInterface : public IUserInterface {
public:
    QtUserInterface(QMainWindow& frame, MessageWindow& messages);

    void message(const std::string& text, const std::string& caption) override;
    Answer ask(const std::string& text, Buttons buttons, Icon icon,
               const std::string& caption) override;
    void clearMessages() override;
    void appendMessage(const std::string& text) override;
    void showMessageWindow() override;
    void hideMessageWindow() override;
    void setProgress(int position) override;
    void endProgress() override;

    QProgressBar* progressBar() const { return progress_; }

    // Tests answer the boxes here instead of the user: when set, no box is shown and the
    // returned answer (Ok for a message box) is taken.
    std::function<Answer(const BoxRequest&)> answerBoxes;

private:
    Answer show(const BoxRequest& request);

    QMainWindow& frame_;
    MessageWindow& messages_;
    QProgressBar* progress_ = nullptr;
};

// "\r\n" and "\n" of the core's texts as line breaks.
QString boxText(const std::string& text);

}  // namespace sky::app
