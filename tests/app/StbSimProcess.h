#pragma once

// The simulated receiver stb-sim as a child process of a window test: its device is the first
// line it prints.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <csignal>

namespace sky::app::test {

class StbSimProcess {
public:
    explicit StbSimProcess(const QStringList& options) {
        process_.setProgram(QString(SKYLISTER_BINARY_DIR) + "/tools/stb-sim");
        process_.setArguments(options);
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start();
        if (!process_.waitForStarted(5000)) return;
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
        }
        device_ = QString::fromUtf8(process_.readLine()).trimmed();
    }
    ~StbSimProcess() {
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
        process_.waitForFinished(5000);
    }
    StbSimProcess(const StbSimProcess&) = delete;
    StbSimProcess& operator=(const StbSimProcess&) = delete;

    const QString& device() const { return device_; }
    // Switches the receiver off and on again.
    void powerCycle() { ::kill(static_cast<pid_t>(process_.processId()), SIGUSR1); }

private:
    QProcess process_;
    QString device_;
};

}  // namespace sky::app::test
