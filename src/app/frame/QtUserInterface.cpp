#include "app/frame/QtUserInterface.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QProgressBar>
#include <QStatusBar>
#include <algorithm>

#include "app/frame/MessageWindow.h"

namespace sky::app {

QString boxText(const std::string& text) {
    QString result = QString::fromStdString(text);
    result.replace("\r\n", "\n");
    result.replace('\r', '\n');
    return result;
}

QtUserInterface::QtUserInterface(QMainWindow& frame, MessageWindow& messages)
    : frame_(frame), messages_(messages) {}

void QtUserInterface::message(const std::string& text, const std::string& caption) {
    show({boxText(text), QString::fromStdString(caption), Buttons::Ok, Icon::Exclamation});
}

Answer QtUserInterface::ask(const std::string& text, Buttons buttons, Icon icon,
                            const std::string& caption) {
    return show({boxText(text), QString::fromStdString(caption), buttons, icon});
}

Answer QtUserInterface::show(const BoxRequest& request) {
    if (answerBoxes) return answerBoxes(request);
    QMessageBox box(&frame_);
    box.setWindowTitle(request.caption);
    box.setText(request.text);
    switch (request.icon) {
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
    }
    switch (request.buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            // Escape in a Yes/No question reads as No.
            return request.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
}

void QtUserInterface::clearMessages() { messages_.clear(); }

void QtUserInterface::appendMessage(const std::string& text) {
    messages_.write(QString::fromStdString(text));
}

void QtUserInterface::showMessageWindow() { messages_.showNow(true); }

void QtUserInterface::hideMessageWindow() { messages_.showNow(false); }

void QtUserInterface::setProgress(int position) {
    if (!progress_) {
        progress_ = new QProgressBar(frame_.statusBar());
        progress_->setObjectName("ProgressIndicator");
        progress_->setRange(0, 100);
        progress_->setTextVisible(false);
        frame_.statusBar()->addWidget(progress_, 1);
        progress_->show();
    }
    progress_->setValue(std::clamp(position, 0, 100));
    progress_->repaint();
}

void QtUserInterface::endProgress() {
    if (!progress_) return;
    frame_.statusBar()->removeWidget(progress_);
    delete progress_;
    progress_ = nullptr;
}

}  // namespace sky::app
