// The compile, download and upload commands through the main window's actions and buttons, the
// transfers against stb-sim on a pseudo-terminal.

#include <unistd.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include "AppFixture.h"
#include "StbSimProcess.h"
#include "app/frame/MessageWindow.h"
#include "serial/TermiosPort.h"

namespace sky::app::test {

namespace {

const QString kQuestion =
    "Skylister: Really You Want to download?\nAfter choose YES,you must Satellite Receiver's Power "
    "Off,and ON for downloading";
const QString kSuccess = "Skylister: Flash download is terminated successfully.\n";
const QString kConverted = "Skylister: Conversion is terminated successfully.\n";

}  // namespace

class TransfersTest : public QObject, public AppFixture {
    Q_OBJECT
private:
    // Each test has its own private temporary directory (the upload file's).
    QTemporaryDir runtimeDir;

    QString file(const QString& name) const { return dir->path() + "/" + name; }
    void useDevice(const StbSimProcess& sim) {
        frame->runtime().portDevices[0] = sim.device().toStdString();
    }
    // Opens the example and deletes its first channel, unsaved.
    QString openEdited() {
        const QString path = copyExample();
        open(path);
        selectRows({0});
        QTest::keyClick(table(), Qt::Key_Delete);
        return path;
    }
    // Calls `check` on the window's thread while the next command runs, `after` ms into it.
    void during(int after, std::function<void()> check) {
        QTimer::singleShot(after, frame.get(), std::move(check));
    }

private slots:
    void init() {
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toUtf8());
        start();
    }
    void cleanup() { stop(); }

    void commandsSitInTheMenusToolbarAndCommandBar() {
        QCOMPARE(frame->commandButton(Command::CompileDownload)->text(),
                 QString("Compile+Download Current CH. List"));
        QCOMPARE(frame->commandButton(Command::DownloadOthers)->text(),
                 QString("Download Others(bin,hex)"));
        QCOMPARE(frame->commandButton(Command::UploadStart)->text(), QString("Upload"));
        QVERIFY(!frame->commandButton(Command::CompileDownload)->isEnabled());
        QVERIFY(frame->commandButton(Command::DownloadOthers)->isEnabled());
        QVERIFY(frame->toolBar()->actions().contains(frame->action(Command::PreInstalledSplit)));
        QVERIFY(!frame->action(Command::BasicCompile)->isEnabled());
        QVERIFY(!frame->action(Command::SplitListToggle)->isEnabled());
        QCOMPARE(frame->action(Command::CompileDownload)->text(), QString("Compile + Dowmload"));
        // The option dialog's temporary directory is the private one.
        QCOMPARE(QString::fromStdString(frame->document().temporaryDirectory()),
                 runtimeDir.path() + "/skylister/");
        open(copyExample());
        QVERIFY(frame->action(Command::BasicCompile)->isEnabled());
        QVERIFY(frame->commandButton(Command::CompileDownload)->isEnabled());
        frame->runCommand(Command::SplitListToggle);
        QVERIFY(frame->action(Command::SplitListToggle)->isChecked());
    }

    void basicCompileOfAnEditedListKeepsTheTextFile() {
        const QString path = openEdited();
        const QByteArray before = readAll(path);
        trigger(Command::BasicCompile);
        QCOMPARE(boxes, QStringList{kConverted});
        QCOMPARE(readAll(path), before);
        QVERIFY(!QFile::exists(file("channels.cplsrc")));
        QVERIFY(QFile::exists(file("channels.bin")));
        QVERIFY(!QApplication::overrideCursor());
        // The .hex is the edited list's: the same list saved elsewhere compiles to it.
        const QByteArray edited = readAll(file("channels.hex"));
        files.push_back(file("edited.txt"));
        trigger(Command::SaveAs);
        trigger(Command::BasicCompile);
        QCOMPARE(readAll(file("edited.hex")), edited);
        QVERIFY(readAll(path) != readAll(file("edited.txt")));
    }

    void preInstalledCompilesPutNormalBeforeBasic() {
        open(copyExample());
        frame->runCommand(Command::CompileNormal);
        const QByteArray normal = readAll(file("channels.hex"));
        trigger(Command::BasicCompile);
        const QByteArray basic = readAll(file("channels.hex"));
        trigger(Command::PreInstalled1List);
        QCOMPARE(readAll(file("channels.hex")), normal + basic);
        QVERIFY(frame->document().imageReady());
        trigger(Command::PreInstalledSplit);
        QVERIFY(QFile::exists(file("channels.bin")));
        QVERIFY(!QFile::exists(file("channels.mrg")));
        QVERIFY(!frame->action(Command::SplitListToggle)->isChecked());
    }

    void compileAndDownloadSendsTheImageWhileTheWindowLives() {
        const QString path = openEdited();
        StbSimProcess sim({"--save-image", file("stored.bin")});
        useDevice(sim);
        answers = {Answer::Yes};
        // What the window shows while the transfer runs, seen when its final box comes up.
        QStringList seen;
        frame->userInterface().answerBoxes = [this, &seen](const BoxRequest& box) {
            boxes << box.caption + ": " + box.text;
            if (box.text.startsWith("Flash download")) {
                QtUserInterface& ui = frame->userInterface();
                seen
                    << QString("open %1").arg(frame->action(Command::Open)->isEnabled())
                    << QString("delete %1").arg(frame->action(Command::Delete)->isEnabled())
                    << QString("option %1").arg(frame->action(Command::Option)->isEnabled())
                    << QString("view %1").arg(frame->action(Command::AnalogChannel)->isEnabled())
                    << QString("cancel %1").arg(ui.cancelButton()->isVisible())
                    << QString("progress %1").arg(ui.progressBar() ? ui.progressBar()->value() : -1)
                    << QString("cursor %1").arg(QApplication::overrideCursor()->shape());
                seen << QString("messages %1")
                            .arg(frame->messageWindow()->isVisible() &&
                                 frame->messageWindow()->text().contains(
                                     "Connetion established..."));
            }
            if (box.buttons == Buttons::Ok) return Answer::Ok;
            const Answer answer = answers.empty() ? Answer::No : answers.front();
            if (!answers.empty()) answers.pop_front();
            return answer;
        };
        frame->commandButton(Command::CompileDownload)->click();
        QCOMPARE(boxes, (QStringList{kConverted, kQuestion, kSuccess}));
        // Under the result's box the progress has gone, and Cancel with it.
        QCOMPARE(seen,
                 (QStringList{"open 0", "delete 0", "option 0", "view 1", "cancel 0", "progress -1",
                              QString("cursor %1").arg(int(Qt::BusyCursor)), "messages 1"}));
        QCOMPARE(readAll(file("stored.bin")), readAll(file("channels.bin")));
        // Saved first: the text file holds the edited list.
        QVERIFY(!readAll(path).contains("Das Erste"));
        QVERIFY(frame->messageWindow()->isHidden());
        QVERIFY(!frame->userInterface().progressBar());
        QVERIFY(!frame->userInterface().cancelButton()->isVisible());
        QVERIFY(frame->action(Command::Open)->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
    }

    void downloadCurrentAnsweredNoSendsNothing() {
        open(copyExample());
        trigger(Command::PreInstalled1List);
        StbSimProcess sim({"--save-image", file("stored.bin")});
        useDevice(sim);
        boxes.clear();
        answers = {Answer::No};
        trigger(Command::DownloadCurrent);
        QCOMPARE(boxes, QStringList{kQuestion});
        QTest::qWait(300);
        QVERIFY(!QFile::exists(file("stored.bin")));
        QVERIFY(frame->messageWindow()->isHidden());
        QVERIFY(frame->messageWindow()->text().isEmpty());
    }

    void uploadShowsTheListUntitledAndOffersSaveAs() {
        // Printed slowly, so that the amount shows; the message window still holds what an
        // earlier transfer wrote.
        StbSimProcess sim({"--dump", exampleList(), "--dump-rate", "1500"});
        useDevice(sim);
        frame->messageWindow()->write("Transfer cancelled by the user.\r\n");
        files.push_back(QString());  // Save As cancelled
        QString timeLeft;
        QString messages;
        during(1500, [&] {
            if (QLabel* label = frame->userInterface().timeLeftLabel()) timeLeft = label->text();
            messages = frame->messageWindow()->text();
        });
        frame->commandButton(Command::UploadStart)->click();
        QCOMPARE(boxes, QStringList{"Skylister: Uploading SUCESS"});
        QVERIFY2(timeLeft.contains(" received, ") && timeLeft.contains(" KB/s"),
                 qPrintable(timeLeft));
        QVERIFY2(!messages.contains("cancelled") && messages.contains("Receiving"),
                 qPrintable(messages));
        QVERIFY(frame->messageWindow()->text().endsWith("Uploading SUCESS\n"));
        QCOMPARE(dialogs, QStringList{"save"});
        QCOMPARE(frame->windowTitle(), QString("Skylister : Untitled"));
        QCOMPARE(model()->rowCount(), 16);
        QCOMPARE(cell(0, 5), QString("Das Erste"));
        QVERIFY(frame->action(Command::Save)->isEnabled());
        QVERIFY(!frame->userInterface().progressBar());
        QVERIFY(QFile::exists(runtimeDir.path() + "/skylister/SATupload.txt"));
    }

    void downloadOthersConvertsAHexFile() {
        open(copyExample());
        trigger(Command::PreInstalled1List);
        QFile::copy(file("channels.hex"), file("other.hex"));
        StbSimProcess sim({"--save-image", file("stored.bin")});
        useDevice(sim);
        boxes.clear();
        files.push_back(file("other.hex"));
        frame->commandButton(Command::DownloadOthers)->click();
        QCOMPARE(boxes, (QStringList{kConverted, kSuccess}));
        QCOMPARE(readAll(file("stored.bin")), readAll(file("other.bin")));
        QCOMPARE(readAll(file("other.bin")), readAll(file("channels.bin")));
    }

    void cancelFreesThePortForTheNextDownload() {
        open(copyExample());
        trigger(Command::PreInstalled1List);
        // The receiver stays off for a while: the download waits for it.
        StbSimProcess sim({"--save-image", file("stored.bin"), "--power-cycle-after", "1500"});
        useDevice(sim);
        boxes.clear();
        answers = {Answer::Yes};
        during(300, [this] { frame->userInterface().cancelButton()->click(); });
        trigger(Command::DownloadCurrent);
        QCOMPARE(boxes, QStringList{kQuestion});
        QVERIFY(frame->messageWindow()->text().endsWith("Transfer cancelled by the user.\n"));
        // Said where the user looks: the message window stays, and the status bar.
        QVERIFY(frame->messageWindow()->isVisible());
        QCOMPARE(frame->statusBar()->currentMessage(), QString("Transfer cancelled by the user."));
        QVERIFY(!QFile::exists(file("stored.bin")));
        QVERIFY(!frame->userInterface().cancelButton()->isVisible());
        // The port is free: the next download goes through.
        sim.powerCycle();
        answers = {Answer::Yes};
        trigger(Command::DownloadCurrent);
        QCOMPARE(boxes.last(), kSuccess);
        QCOMPARE(readAll(file("stored.bin")), readAll(file("channels.bin")));
    }

    void aSilentReceiverIsSaidAndCancelEndsTheWaitAtOnce() {
        open(copyExample());
        trigger(Command::PreInstalled1List);
        // The receiver takes the first packet, then falls silent for 20 s before its ACK.
        StbSimProcess sim({"--pause-download-after", "0:20"});
        useDevice(sim);
        boxes.clear();
        answers = {Answer::Yes};
        QString timeLeft;
        QElapsedTimer sinceCancel;
        during(4000, [&] {
            if (QLabel* label = frame->userInterface().timeLeftLabel()) timeLeft = label->text();
            sinceCancel.start();
            frame->userInterface().cancelButton()->click();
        });
        trigger(Command::DownloadCurrent);
        QCOMPARE(timeLeft, QString("waiting for the receiver..."));
        QVERIFY2(sinceCancel.elapsed() < 1500, qPrintable(QString::number(sinceCancel.elapsed())));
        QVERIFY(frame->messageWindow()->text().endsWith("Transfer cancelled by the user.\n"));
        QCOMPARE(boxes, QStringList{kQuestion});
    }

    void closingDuringATransferCancelsItAndClosesAfter() {
        StbSimProcess sim({"--power-cycle-after", "1500"});
        useDevice(sim);
        open(copyExample());
        trigger(Command::PreInstalled1List);
        answers = {Answer::Yes};
        during(300, [this] {
            QVERIFY(!frame->close());
            QVERIFY(frame->isVisible());
        });
        trigger(Command::DownloadCurrent);
        QTRY_VERIFY(!frame->isVisible());
    }

    void failureMessages() {
        open(copyExample());
        trigger(Command::PreInstalled1List);
        boxes.clear();
        {
            // A port in use by another program.
            StbSimProcess sim({});
            useDevice(sim);
            TermiosPort other;
            QVERIFY(other.open(sim.device().toStdString()));
            answers = {Answer::Yes};
            trigger(Command::DownloadCurrent);
            // The box says on its second line who holds the port.
            QCOMPARE(boxes.size(), 2);
            QCOMPARE(boxes[0], kQuestion);
            QCOMPARE(boxes[1].section('\n', 0, 1), "Skylister: Serial Port Open FAILED!!!\n" +
                                                       sim.device() +
                                                       " is in use by another program.");
            QVERIFY(boxes[1].contains(QString("(PID %1) holds it").arg(::getpid())));
            QVERIFY(frame->messageWindow()->text().contains("in use by another program"));
        }
        {
            // A silent receiver: two connect reads, then the message.
            StbSimProcess sim({"--silent"});
            useDevice(sim);
            boxes.clear();
            answers = {Answer::Yes};
            QElapsedTimer clock;
            clock.start();
            bool repainted = false;
            during(2000, [this, &repainted] {
                repainted = frame->userInterface().cancelButton()->isVisible() &&
                            frame->messageWindow()->text().contains("Waitiing Message");
            });
            trigger(Command::DownloadCurrent);
            QCOMPARE(boxes, (QStringList{kQuestion, "Skylister: Connetion fail with STB.\n"}));
            QVERIFY(repainted);
            QVERIFY(clock.elapsed() >= 10000);
            QVERIFY(clock.elapsed() < 20000);
        }
    }

    void compileInAReadOnlyFolderFails() {
        if (::geteuid() == 0) QSKIP("root writes into read-only folders");
        const QString path = copyExample();
        open(path);
        const QByteArray before = readAll(path);
        QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::ExeOwner);
        boxes.clear();
        trigger(Command::BasicCompile);
        QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(boxes.contains("Skylister: Making a HEX file is failed!"));
        QCOMPARE(readAll(path), before);
        QVERIFY(!QFile::exists(file("channels.bin")));
    }
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::TransfersTest)
#include "Transfers_test.moc"
