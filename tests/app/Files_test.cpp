// Save, Save As and the unsaved-changes question on close and before Open, through the window.

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include "app/AppFixture.h"

namespace sky::app::test {

class FilesTest : public QObject, public AppFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void saveWritesTheListAndKeepsTheBackup() {
        const QString path = copyExample();
        open(path);
        selectRows({0});
        QTest::keyClick(table(), Qt::Key_Delete);
        QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(undoText(), QString("Undo Disable"));
        const QString base = path.left(path.size() - 4);
        QCOMPARE(readAll(base + ".bak"), readAll(exampleList()));
        QVERIFY(!readAll(path).contains("Das Erste"));
        QVERIFY(readAll(path).contains("BR Sued"));
        QVERIFY(boxes.isEmpty());
        // Nothing is left to ask about.
        frame->close();
        QVERIFY(boxes.isEmpty());
    }

    void saveAsWritesTheNewFileAndRetitles() {
        const QString path = copyExample();
        open(path);
        selectRows({0});
        QTest::keyClick(table(), Qt::Key_Delete);
        const QString copy = dir->path() + "/copy.txt";
        files = {dir->path() + "/copy.dat", copy};
        trigger(Command::SaveAs);
        QCOMPARE(boxes, QStringList{"Skylister: Extention Name must be 'txt' "});
        trigger(Command::SaveAs);
        QCOMPARE(frame->windowTitle(), "Skylister : " + copy);
        QVERIFY(!readAll(copy).contains("Das Erste"));
        QCOMPARE(readAll(path), readAll(exampleList()));
        QCOMPARE(undoText(), QString("Undo Disable"));
        QCOMPARE(model()->rowCount(), 15);
    }

    void closingWithUnsavedEditsAsks() {
        const QString path = copyExample();
        open(path);
        selectRows({0});
        QTest::keyClick(table(), Qt::Key_Delete);
        answers = {Answer::Yes};
        QVERIFY(frame->close());
        QCOMPARE(boxes, QStringList{"Saving: Saveing  Modified Data!!!"});
        QVERIFY(!readAll(path).contains("Das Erste"));
    }

    void openOverUnsavedEditsAsksFirst() {
        const QString path = copyExample();
        open(path);
        selectRows({0});
        QTest::keyClick(table(), Qt::Key_Delete);
        // Cancel in the file dialog asks nothing.
        open(QString());
        QVERIFY(boxes.isEmpty());
        answers = {Answer::No};
        const QString other = copyExample("other.txt");
        open(other);
        QCOMPARE(boxes, QStringList{"Saving: Saveing  Modified Data!!!"});
        QCOMPARE(frame->windowTitle(), "Skylister : " + other);
        QCOMPARE(readAll(path), readAll(exampleList()));
        QCOMPARE(cell(0, 5), QString("Das Erste"));
    }

    void failedOpenKeepsTheEditsAndTheQuestion() {
        const QString path = copyExample();
        open(path);
        selectRows({0});
        QTest::keyClick(table(), Qt::Key_Delete);
        const QString broken = dir->path() + "/broken.txt";
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[SATELLITE]\r\n0 \"broken\r\n");
        file.close();
        answers = {Answer::No};
        open(broken);
        // The question, then the loader's messages.
        QVERIFY(boxes.size() >= 2);
        QCOMPARE(boxes.front(), QString("Saving: Saveing  Modified Data!!!"));
        QCOMPARE(boxes.back(), QString("Skylister: The Text Format is not correct"));
        QCOMPARE(frame->windowTitle(), "Skylister : " + path);
        QCOMPARE(undoText(), QString("Undo (1 - Delete Channel)"));
        QCOMPARE(cell(0, 5), QString("BR Sued"));
        boxes.clear();
        answers = {Answer::No};
        frame->close();
        QCOMPARE(boxes, QStringList{"Saving: Saveing  Modified Data!!!"});
    }

    void messagesAreRealMessageBoxes() {
        frame->userInterface().answerBoxes = nullptr;
        QString text;
        QString caption;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            text = box->text();
            caption = box->windowTitle();
            box->button(QMessageBox::Ok)->click();
        });
        frame->userInterface().message("Drag Only possible \n\nWhen drag region\r\nsame!!",
                                       "Skylister");
        QCOMPARE(caption, QString("Skylister"));
        QCOMPARE(text, QString("Drag Only possible \n\nWhen drag region\nsame!!"));

        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) box->button(QMessageBox::No)->click();
        });
        QCOMPARE(frame->userInterface().ask("Saveing  Modified Data!!!", Buttons::YesNo,
                                            Icon::Question, "Saving"),
                 Answer::No);
    }
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::FilesTest)
#include "Files_test.moc"
