// Export and Copy through the window: the question about the selected rows, the file written with
// its extension added, the list's own file refused, and Ctrl+C on the list but not in the find bar.

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QStatusBar>

#include "app/AppFixture.h"

namespace sky::app::test {

class ExportTest : public QObject, public AppFixture {
    Q_OBJECT
private slots:
    void init() {
        start();
        list = copyExample();
        open(list);
        QCOMPARE(model()->rowCount(), 16);
    }
    void cleanup() { stop(); }

    void exportCsvWritesTheRowsSelectedInTheTable() {
        selectRows({0, 2});
        answers = {Answer::Yes};
        files = {dir->path() + "/selected"};
        trigger(Command::ExportCsv);
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes.front().contains("Export only the selected rows?"));
        const QList<QByteArray> lines = readAll(dir->path() + "/selected.csv").split('\n');
        QCOMPARE(lines.size(), 4);  // two rows after the headers, and the end of the last line
        QCOMPARE(lines[0], QByteArray("Number,SVC ID,Name,freqency,Symbol Rate,Polarization,"
                                      "Bouquet,Sat Name\r"));
        QVERIFY(lines[1].contains(cell(0, 5).toUtf8()));
        QVERIFY(lines[2].contains(cell(2, 5).toUtf8()));
        QVERIFY(frame->statusBar()->currentMessage().startsWith("Exported 2 rows to "));
        // Every row, the Cancel and the refusal of the list's own file: tests/shell.
    }

    void ctrlCCopiesTheSelectedRowsButNotInTheFindBar() {
        selectRows({1, 3});
        table()->setFocus();
        QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied);
        const QStringList lines = copied->text().split('\n');
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].startsWith("Number\tSVC ID\tName\t"));
        QVERIFY(lines[1].contains('\t' + cell(1, 5) + '\t'));
        QVERIFY(lines[2].contains('\t' + cell(3, 5) + '\t'));
        QVERIFY(copied->html().contains("<td>" + cell(3, 5) + "</td>"));

        trigger(Command::Find);
        auto* text = frame->findChild<QLineEdit*>("FindText");
        QVERIFY(text);
        QTest::keyClicks(text, "zdf");
        text->selectAll();
        QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("zdf"));
    }

private:
    QString list;
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::ExportTest)
#include "Export_test.moc"
