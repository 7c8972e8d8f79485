// The window's file watcher: the open list's file changed on disk by the test.

#include <QPushButton>
#include <QStatusBar>

#include "app/AppFixture.h"

namespace sky::app::test {

class FileChangedElsewhereTest : public QObject, public AppFixture {
    Q_OBJECT

    QPushButton* reloadButton() const { return frame->findChild<QPushButton*>("ReloadButton"); }
    static void appendElsewhere(const QString& path) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write("\r\n");
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void changeIsToldAndReloadOffered() {
        const QString path = copyExample();
        open(path);
        QVERIFY(reloadButton() && reloadButton()->isHidden());
        appendElsewhere(path);
        QTRY_VERIFY(reloadButton()->isVisible());
        QCOMPARE(frame->statusBar()->currentMessage(),
                 QString("channels.txt was changed by another program; Reload shows it as it is "
                         "now."));
        QTest::mouseClick(reloadButton(), Qt::LeftButton);
        QVERIFY(reloadButton()->isHidden());
        QVERIFY(undoText().contains("Reload"));
        QVERIFY(boxes.isEmpty());
    }

    void ownSaveIsNoChangeAndEditsAreAskedAbout() {
        const QString path = copyExample();
        open(path);
        selectRows({0});
        QTest::keyClick(table(), Qt::Key_Delete);
        QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
        QTest::qWait(300);
        QVERIFY(reloadButton()->isHidden());
        QVERIFY(boxes.isEmpty());
        // The watcher follows the file the save put in the old one's place.
        selectRows({0});
        QTest::keyClick(table(), Qt::Key_Delete);
        answers = {Answer::No};
        appendElsewhere(path);
        QTRY_COMPARE(boxes.size(), 1);
        QVERIFY(
            boxes.front().contains("was changed by another program, and this list has changes"));
        QVERIFY(reloadButton()->isHidden());
    }
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::FileChangedElsewhereTest)
#include "FileChangedElsewhere_test.moc"
