#pragma once

#include <QElapsedTimer>
#include <QString>
#include <atomic>
#include <functional>
#include <optional>

#include "common/UserInterface.h"

class QLabel;
class QMainWindow;
class QProgressBar;
class QPushButton;
class QTimer;

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
// message window, and the progress indicator in the status bar with the time left.
//
// A transfer runs on a thread of its own and calls in from there: its boxes and questions are
// shown by the window's thread, which the transfer waits for (a blocking queued call); its
// message-window texts and progress reports are queued to the window's thread in order. While a
// transfer runs, a Cancel button stands beside the progress indicator; transferCancelled() reads
// the flag it sets.
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
    bool transferCancelled() const override { return cancelled_.load(); }
    void transferActivity() override;
    void transferAmount(uint64_t bytes) override;
    void statusText(const std::string& text) override;

    // A transfer starts: the cancel flag is cleared and the Cancel button shown; it ends: the
    // button goes.
    void beginTransfer();
    void endTransfer();
    // The Cancel button: the transfer ends at its next packet or read.
    void cancelTransfer();

    QProgressBar* progressBar() const { return progress_; }
    QLabel* timeLeftLabel() const { return timeLeft_; }
    QPushButton* cancelButton() const { return cancel_; }

    // Tests answer the boxes here instead of the user: when set, no box is shown and the
    // returned answer (Ok for a message box) is taken.
    std::function<Answer(const BoxRequest&)> answerBoxes;

private:
    Answer show(const BoxRequest& request);
    bool onWindowThread() const;
    // Runs `call` on the window's thread: at once when called there, else queued behind what
    // the transfer sent before.
    void post(std::function<void()> call);
    // The indicator and its text beside it, made on the first report of a transfer.
    void createIndicator();
    void showProgress(int position);
    void showAmount(uint64_t bytes);
    void updateTimeLeft(int position);
    // The amount received and its rate, with a separator after it; empty without an amount.
    QString amountPrefix() const;
    // No byte has moved on the line for a while.
    bool receiverSilent() const;
    // Every half second of a transfer: the time left gives way to "waiting for the receiver..."
    // while the line is silent, and comes back when bytes move again.
    void checkSilence();

    QMainWindow& frame_;
    MessageWindow& messages_;
    QProgressBar* progress_ = nullptr;
    QLabel* timeLeft_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::atomic<bool> cancelled_{false};
    // The position last sent to the window's thread: a transfer reports every packet, the bar
    // moves by whole percents, so only a change is sent on.
    std::atomic<int> postedPosition_{-1};
    // The first progress report of the transfer: when and where, for the time left.
    QElapsedTimer progressClock_;
    // No position reported yet: -1.
    int firstPosition_ = -1;
    int lastPosition_ = -1;
    // The amount received as last reported, and the first report's, for the rate.
    std::optional<uint64_t> amount_;
    uint64_t firstAmount_ = 0;
    QElapsedTimer amountClock_;
    // When bytes last moved, in milliseconds of the activity clock (written by the transfer's
    // thread).
    QElapsedTimer activityClock_;
    std::atomic<qint64> lastActivityMs_{0};
    QTimer* silenceCheck_ = nullptr;
};

// The time left as the progress indicator shows it: "about 4 min 05 s left".
QString timeLeftText(qint64 milliseconds);
// The amount received and its rate as the indicator shows them: "1,234 KB received, 11.2 KB/s".
QString amountText(uint64_t bytes, double bytesPerSecond);

}  // namespace sky::app
