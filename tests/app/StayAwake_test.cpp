// The sleep lock around transfers, against a stand-in for logind on a private bus.

#include <poll.h>
#include <unistd.h>

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QMutex>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <stdexcept>

#include "app/desktop/SleepInhibitor.h"
#include "app/frame/QtDocumentWindow.h"

namespace sky::app::test {

// logind's Manager as far as Inhibit goes: it hands out one end of a pipe per lock and keeps the
// other, which hangs up once the holder has closed its end.
class LogindStandIn : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    ~LogindStandIn() override {
        for (const int fd : kept_) ::close(fd);
    }
    // Locks handed out and not yet let go.
    int held() {
        const QMutexLocker lock(&mutex_);
        int count = 0;
        for (const int fd : kept_) {
            pollfd watched{fd, POLLIN, 0};
            if (::poll(&watched, 1, 0) == 0) ++count;
        }
        return count;
    }
    QStringList calls() {
        const QMutexLocker lock(&mutex_);
        return calls_;
    }

public slots:
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why,
                                    const QString& mode) {
        const QMutexLocker lock(&mutex_);
        calls_ << QStringList{what, who, why, mode}.join('|');
        int ends[2];
        if (::pipe(ends) != 0) return {};
        kept_.push_back(ends[0]);
        const QDBusUnixFileDescriptor handed(ends[1]);
        ::close(ends[1]);
        return handed;
    }

private:
    QMutex mutex_;
    std::vector<int> kept_;
    QStringList calls_;
};

class StayAwakeTest : public QObject {
    Q_OBJECT

    QProcess daemon_;
    QString address_;
    QThread serviceThread_;
    LogindStandIn* standIn_ = nullptr;
    QWidget frame_;

private slots:
    void initTestCase() {
        daemon_.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        QVERIFY(daemon_.waitForStarted());
        QVERIFY(daemon_.waitForReadyRead(10000));
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        QVERIFY(!address_.isEmpty());
        // The stand-in answers on a thread of its own while the window's thread waits for it.
        QDBusConnection service = QDBusConnection::connectToBus(address_, "logind-stand-in");
        QVERIFY(service.isConnected());
        standIn_ = new LogindStandIn;
        standIn_->moveToThread(&serviceThread_);
        serviceThread_.start();
        QVERIFY(service.registerObject("/org/freedesktop/login1", standIn_,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(service.registerService("org.freedesktop.login1"));
        SleepInhibitor::setBusAddress(address_);
    }
    void cleanupTestCase() {
        QDBusConnection::disconnectFromBus("logind-stand-in");
        serviceThread_.quit();
        serviceThread_.wait();
        delete standIn_;
        SleepInhibitor::setBusAddress({});
        daemon_.kill();
        daemon_.waitForFinished();
    }

    void transfersHoldTheLockUntilTheyEnd() {
        QtDocumentWindow window(frame_);
        int heldDuring = -1;
        QVERIFY(window.runTransfer([&] {
            heldDuring = standIn_->held();
            return true;
        }));
        QCOMPARE(heldDuring, 1);
        QCOMPARE(
            standIn_->calls(),
            QStringList{"sleep:idle|Skylister|Sending the channel list to the receiver|block"});
        QTRY_COMPARE(standIn_->held(), 0);
        // A failed transfer and one that throws let go of it too.
        QVERIFY(!window.runTransfer([] { return false; }));
        QVERIFY(!window.runTransfer([]() -> bool { throw std::runtime_error("port gone"); }));
        QTRY_COMPARE(standIn_->held(), 0);
        QCOMPARE(standIn_->calls().size(), 3);
    }

    void withoutLogindTransfersRunAsBefore() {
        QtDocumentWindow window(frame_);
        for (const QString& address :
             {QString("unix:path=/nonexistent/bus"), QString(address_ + ",guid=none")}) {
            SleepInhibitor::setBusAddress(address);
            bool ran = false;
            QVERIFY(window.runTransfer([&] { return ran = true; }));
            QVERIFY(ran);
        }
        SleepInhibitor::setBusAddress(address_);
        QDBusConnection::connectToBus(address_, "logind-stand-in")
            .unregisterService("org.freedesktop.login1");
        const SleepInhibitor nobody(SleepInhibitor::kTransferReason);
        QVERIFY(!nobody.held());
    }
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::StayAwakeTest)
#include "StayAwake_test.moc"
