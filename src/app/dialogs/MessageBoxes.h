#pragma once

#include <QWidget>

#include "common/UserInterface.h"

namespace sky::app {

// The message boxes and questions a setting dialog shows over itself while it is open: a text
// too long for its edit, a satellite whose degree cannot be shown. A dialog has no message
// window and no progress indicator; those calls do nothing.
class MessageBoxes : public IUserInterface {
public:
    explicit MessageBoxes(QWidget* parent) : parent_(parent) {}

    void message(const std::string& text, const std::string& caption = kAppName) override;
    Answer ask(const std::string& text, Buttons buttons, Icon icon = Icon::Question,
               const std::string& caption = kAppName) override;

    void clearMessages() override {}
    void appendMessage(const std::string&) override {}
    void showMessageWindow() override {}
    void hideMessageWindow() override {}
    void setProgress(int) override {}
    void endProgress() override {}

private:
    QWidget* parent_;
};

// Shows a modal box over parent and returns the button pressed. Yes is the default button;
// Escape answers Cancel where there is one, and No in a Yes/No question.
Answer execMessageBox(QWidget* parent, const QString& text, const QString& caption, Buttons buttons,
                      Icon icon);

}  // namespace sky::app
