#include "app/frame/QtUserInterface.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <algorithm>

#include "app/dialogs/MessageBoxes.h"
#include "app/dialogs/ShownText.h"
#include "app/frame/MessageWindow.h"

namespace sky::app {

namespace {

const QString kWaitingText = QStringLiteral("waiting for the receiver...");
// No byte has moved for this long: the time left says the transfer waits for the receiver.
constexpr qint64 kSilenceShownAfterMs = 2000;

}  // namespace

QString timeLeftText(qint64 milliseconds) {
    const qint64 seconds = (std::max<qint64>(milliseconds, 0) + 999) / 1000;
    if (seconds < 60) return QString("about %1 s left").arg(seconds);
    return QString("about %1 min %2 s left").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
}

QString amountText(uint64_t bytes, double bytesPerSecond) {
    QString text = bytes < 10 * 1024
                       ? QString("%1 bytes received").arg(bytes)
                       : QLocale(QLocale::English).toString(static_cast<qulonglong>(bytes / 1024)) +
                             " KB received";
    if (bytesPerSecond > 0) text += QString(", %1 KB/s").arg(bytesPerSecond / 1024.0, 0, 'f', 1);
    return text;
}

QtUserInterface::QtUserInterface(QMainWindow& frame, MessageWindow& messages)
    : frame_(frame), messages_(messages) {
    cancel_ = new QPushButton("Cancel", frame_.statusBar());
    cancel_->setObjectName("CancelTransfer");
    cancel_->setToolTip("Stop the transfer at its next packet or read");
    cancel_->setStatusTip("Stop the transfer at its next packet or read");
    frame_.statusBar()->addPermanentWidget(cancel_);
    cancel_->hide();
    QObject::connect(cancel_, &QPushButton::clicked, &frame_, [this] { cancelTransfer(); });
    activityClock_.start();
    silenceCheck_ = new QTimer(&frame_);
    silenceCheck_->setInterval(500);
    QObject::connect(silenceCheck_, &QTimer::timeout, &frame_, [this] { checkSilence(); });
}

bool QtUserInterface::onWindowThread() const {
    return QThread::currentThread() == frame_.thread();
}

void QtUserInterface::post(std::function<void()> call) {
    if (onWindowThread()) {
        call();
    } else {
        QMetaObject::invokeMethod(&frame_, std::move(call), Qt::QueuedConnection);
    }
}

void QtUserInterface::beginTransfer() {
    cancelled_ = false;
    lastActivityMs_ = activityClock_.elapsed();
    silenceCheck_->start();
    cancel_->setEnabled(true);
    cancel_->setText("Cancel");
    cancel_->show();
}

void QtUserInterface::endTransfer() {
    silenceCheck_->stop();
    cancel_->hide();
}

bool QtUserInterface::receiverSilent() const {
    return activityClock_.elapsed() - lastActivityMs_.load() > kSilenceShownAfterMs;
}

void QtUserInterface::checkSilence() {
    if (!progress_ || !timeLeft_) return;
    if (receiverSilent()) {
        timeLeft_->setText(amountPrefix() + kWaitingText);
    } else if (timeLeft_->text().endsWith(kWaitingText)) {
        updateTimeLeft(lastPosition_);
    }
}

QString QtUserInterface::amountPrefix() const {
    if (!amount_) return {};
    const qint64 elapsed = amountClock_.elapsed();
    const double rate =
        elapsed > 0 ? static_cast<double>(*amount_ - firstAmount_) * 1000.0 / elapsed : 0.0;
    return amountText(*amount_, rate) + ", ";
}

void QtUserInterface::cancelTransfer() {
    cancelled_ = true;
    cancel_->setEnabled(false);
    cancel_->setText("Cancelling...");
}

void QtUserInterface::message(const std::string& text, const std::string& caption) {
    show({shownText(text), QString::fromStdString(caption), Buttons::Ok, Icon::Exclamation});
}

Answer QtUserInterface::ask(const std::string& text, Buttons buttons, Icon icon,
                            const std::string& caption) {
    return show({shownText(text), QString::fromStdString(caption), buttons, icon});
}

Answer QtUserInterface::show(const BoxRequest& request) {
    if (!onWindowThread()) {
        // The transfer waits for the answer; the window's thread shows the box.
        Answer answer = Answer::Ok;
        // The transfer stands still while its box is open: no Cancel beside it.
        QMetaObject::invokeMethod(
            &frame_,
            [this, &request, &answer] {
                const bool cancelShown = !cancel_->isHidden();
                cancel_->hide();
                answer = show(request);
                if (cancelShown) cancel_->show();
            },
            Qt::BlockingQueuedConnection);
        return answer;
    }
    if (answerBoxes) return answerBoxes(request);
    // The box is answered with the ordinary pointer, also under a wait cursor.
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting) QApplication::setOverrideCursor(Qt::ArrowCursor);
    struct RestoreCursor {
        bool active;
        ~RestoreCursor() {
            if (active) QApplication::restoreOverrideCursor();
        }
    } restore{waiting};
    return execMessageBox(&frame_, request.text, request.caption, request.buttons, request.icon);
}

void QtUserInterface::clearMessages() {
    post([this] {
        messages_.showNow(true);
        messages_.clear();
    });
}

void QtUserInterface::statusText(const std::string& text) {
    post([this, text = QString::fromStdString(text)] { frame_.statusBar()->showMessage(text); });
}

void QtUserInterface::transferActivity() {
    lastActivityMs_ = activityClock_.elapsed();
}

void QtUserInterface::appendMessage(const std::string& text) {
    post([this, text = QString::fromStdString(text)] { messages_.write(text); });
}

void QtUserInterface::showMessageWindow() {
    post([this] { messages_.showNow(true); });
}

void QtUserInterface::hideMessageWindow() {
    post([this] { messages_.showNow(false); });
}

void QtUserInterface::setProgress(int position) {
    if (postedPosition_.exchange(position) == position) return;
    post([this, position] { showProgress(position); });
}

void QtUserInterface::createIndicator() {
    progress_ = new QProgressBar(frame_.statusBar());
    progress_->setObjectName("ProgressIndicator");
    progress_->setRange(0, 100);
    progress_->setTextVisible(true);
    frame_.statusBar()->addWidget(progress_, 1);
    progress_->show();
    timeLeft_ = new QLabel(frame_.statusBar());
    timeLeft_->setObjectName("TimeLeft");
    frame_.statusBar()->addWidget(timeLeft_);
    timeLeft_->show();
    firstPosition_ = -1;
    lastPosition_ = -1;
    amount_.reset();
}

void QtUserInterface::showProgress(int position) {
    if (!progress_) createIndicator();
    if (firstPosition_ < 0) {
        progressClock_.start();
        firstPosition_ = position;
        lastPosition_ = position;
        progress_->setRange(0, 100);
    }
    progress_->setValue(std::clamp(position, 0, 100));
    updateTimeLeft(position);
}

void QtUserInterface::showAmount(uint64_t bytes) {
    if (!progress_) {
        createIndicator();
        // Busy until a position tells how far the transfer has come.
        progress_->setRange(0, 0);
    }
    if (!amount_) {
        amountClock_.start();
        firstAmount_ = bytes;
    }
    amount_ = bytes;
    updateTimeLeft(lastPosition_);
}

void QtUserInterface::updateTimeLeft(int position) {
    if (silenceCheck_->isActive() && receiverSilent()) {
        timeLeft_->setText(amountPrefix() + kWaitingText);
        return;
    }
    if (position < 0) {
        // No position yet: the amount and the rate alone.
        QString text = amountPrefix();
        text.chop(2);
        timeLeft_->setText(text);
        return;
    }
    // Only a position that grows towards 100 (the download's bytes sent) gives an estimate; the
    // upload's to and fro does not.
    const bool growing = position >= lastPosition_ && position <= 100;
    lastPosition_ = growing ? position : 101;
    progress_->setTextVisible(growing);
    const QString amount = amountPrefix();
    if (!growing) {
        timeLeft_->setText(amount.chopped(std::min<qsizetype>(amount.size(), 2)));
        return;
    }
    if (position == 100) {
        timeLeft_->setText(amount + kWaitingText);
        return;
    }
    if (position <= firstPosition_) {
        timeLeft_->setText(amount + "estimating the time left");
        return;
    }
    const qint64 elapsed = progressClock_.elapsed();
    const qint64 left = elapsed * (100 - position) / (position - firstPosition_);
    timeLeft_->setText(amount + timeLeftText(left));
}

void QtUserInterface::transferAmount(uint64_t bytes) {
    post([this, bytes] { showAmount(bytes); });
}

void QtUserInterface::endProgress() {
    postedPosition_ = -1;
    post([this] {
        if (!progress_) return;
        frame_.statusBar()->removeWidget(progress_);
        frame_.statusBar()->removeWidget(timeLeft_);
        delete progress_;
        delete timeLeft_;
        progress_ = nullptr;
        timeLeft_ = nullptr;
    });
}

}  // namespace sky::app
