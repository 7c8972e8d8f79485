// One window per session, with the program started twice as a user starts it.

#include <unistd.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/AppFixture.h"
#include "app/desktop/SingleInstance.h"

namespace sky::app::test {

class SingleWindowTest : public QObject, public AppFixture {
    Q_OBJECT

    QTemporaryDir home_;
    std::vector<std::unique_ptr<QProcess>> programs_;

    QString program() const { return QString(SKYLISTER_BINARY_DIR) + "/src/app/skylister"; }
    QString socket() const {
        return home_.path() + "/run/skylister-" + QString::number(getuid()) + "-test";
    }
    QString settingsFile() const { return home_.path() + "/config/Orvel/Skylister.conf"; }

    QProcess& launch(const QStringList& arguments) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_RUNTIME_DIR", home_.path() + "/run");
        environment.insert("XDG_CONFIG_HOME", home_.path() + "/config");
        environment.insert("XDG_SESSION_ID", "test");
        process->setProcessEnvironment(environment);
        process->start(program(), arguments);
        process->waitForStarted();
        programs_.push_back(std::move(process));
        return *programs_.back();
    }

private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
        QVERIFY(QDir(home_.path()).mkpath("run"));
        QFile::setPermissions(home_.path() + "/run",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void cleanupTestCase() {
        for (auto& process : programs_) {
            process->kill();
            process->waitForFinished();
        }
    }

    void secondStartHandsItsListToTheRunningWindow() {
        QProcess& first = launch({});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socket()), 10000);
        const QString list = home_.path() + "/handed list.txt";
        QVERIFY(QFile::copy(exampleList(), list));
        QProcess& second = launch({list});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        // The running window opened it, and remembers it among the recent files.
        QTRY_VERIFY_WITH_TIMEOUT(readAll(settingsFile()).contains("handed list.txt"), 10000);
        QCOMPARE(first.state(), QProcess::Running);

        // A window that crashed leaves its socket behind: the next start takes it over.
        first.kill();
        first.waitForFinished();
        QVERIFY(QFileInfo::exists(socket()));
        QProcess& third = launch({});
        QVERIFY(!third.waitForFinished(1500));
        QProcess& fourth = launch({});
        QVERIFY(fourth.waitForFinished(10000));
        QCOMPARE(fourth.exitCode(), 0);

        // --new-window starts a window of its own.
        QProcess& own = launch({"--new-window"});
        QVERIFY(!own.waitForFinished(1500));
        QCOMPARE(third.state(), QProcess::Running);
    }

    void handedListAsksAboutUnsavedEditsFirst() {
        start();
        const QString first = copyExample();
        open(first);
        selectRows({0});
        QTest::keyClick(table(), Qt::Key_Delete);
        const QString handed = copyExample("other.txt");
        answers = {Answer::Cancel};
        openHandedList(*frame, handed);
        QCOMPARE(boxes, QStringList{"Saving: Saveing  Modified Data!!!"});
        QCOMPARE(frame->document().currentPath(), first.toStdString());
        answers = {Answer::No};
        openHandedList(*frame, handed);
        QCOMPARE(frame->document().currentPath(), handed.toStdString());
        stop();
    }
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::SingleWindowTest)
#include "SingleWindow_test.moc"
