// Compare with List and Compare with Receiver (against stb-sim) through the window: the
// comparison window's counts and filters, and a double-click that selects the row in the main
// window's list.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTableView>

#include "StbSimProcess.h"
#include "app/AppFixture.h"
#include "app/compare/CompareTableModel.h"
#include "app/compare/CompareWindow.h"
#include "editor/model/DetailRows.h"

namespace sky::app::test {

class CompareTest : public QObject, public AppFixture {
    Q_OBJECT
private:
    // The private temporary directory, where the receiver's list is fetched to.
    QTemporaryDir runtimeDir;

private slots:
    void init() {
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toUtf8());
        start();
        open(copyExample());
        QCOMPARE(model()->rowCount(), 16);
    }
    void cleanup() { stop(); }

    void compareWithListCountsTheDifferencesAndDoubleClickSelectsTheRow() {
        // The list as saved with a digital, a PID and an analog channel renamed, under another
        // name.
        trigger(Command::Save);
        QByteArray text = readAll(QString::fromStdString(frame->document().currentPath()));
        text.replace("\"ZDF\"  ", "\"ZDF HD\"").replace("\"Rai Test\"", "\"Rai Prova\"");
        text.replace("\"Canal+\"", "\"Canal 1\"");
        const QString other = dir->path() + "/other.txt";
        QFile file(other);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();

        files.push_back(other);
        trigger(Command::CompareWithList);
        auto* window = frame->findChild<CompareWindow*>();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QAbstractItemModelTester tester(window->model());
        QCOMPARE(window->windowTitle(),
                 QString("Skylister - Compare: the open list and other.txt"));
        QVERIFY(window->counts()->text().contains("3 channels differ."));
        QCOMPARE(window->kindFilter(DifferenceKind::OnlyInB)->text(), QString("only in other.txt"));
        // The first section that differs is shown: the digital channels, ZDF changed.
        QCOMPARE(window->sectionChoice()->currentText(), QString("Digital Channel (1)"));
        QCOMPARE(window->model()->rowCount(), 1);
        auto cellText = [window](int row, int column) {
            return window->model()->index(row, column).data().toString();
        };
        QCOMPARE(cellText(0, CompareTableModel::KindColumn), QString("changed"));
        QCOMPARE(cellText(0, CompareTableModel::OpenNumberColumn), QString("4"));
        QCOMPARE(cellText(0, CompareTableModel::NameColumn), QString("ZDF HD"));
        QCOMPARE(cellText(0, CompareTableModel::CellsColumn), QString("Name"));
        QVERIFY(window->model()
                    ->index(0, CompareTableModel::CellsColumn)
                    .data(Qt::BackgroundRole)
                    .isValid());
        window->kindFilter(DifferenceKind::Changed)->setChecked(false);
        QCOMPARE(window->model()->rowCount(), 0);
        window->kindFilter(DifferenceKind::Changed)->setChecked(true);

        // A PID channel is a row of the Digital Channel view after the digital channels.
        auto doubleClick = [window](int row) {
            QTableView* table = window->table();
            const QPoint at = table->visualRect(table->model()->index(row, 0)).center();
            // As a user double-clicks: a click, then the second press.
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        };
        window->sectionChoice()->setCurrentIndex(static_cast<int>(CompareSection::Pid));
        doubleClick(0);
        QVERIFY(frame->listView().digitalFlag());
        QCOMPARE(table()->selectedRows(), std::vector<std::size_t>{14});
        // An analog channel switches the list to the Analog Channel view.
        window->sectionChoice()->setCurrentIndex(static_cast<int>(CompareSection::Analog));
        doubleClick(0);
        QVERIFY(!frame->listView().digitalFlag());
        QCOMPARE(table()->selectedRows(), std::vector<std::size_t>{4});
        QCOMPARE(cell(4, kAnaName), QString("Canal+"));

        // An edit of the open list is compared anew: with the first analog channel deleted, it
        // alone is only in the other list (the null channel after it stays paired).
        selectRows({0});
        QTest::keyClick(table(), Qt::Key_Delete);
        const SectionComparison& analog =
            window->comparison()->result.section(CompareSection::Analog);
        QTRY_COMPARE(analog.count(DifferenceKind::OnlyInB), std::size_t{1});
        QCOMPARE(window->sectionChoice()->currentText(),
                 QString("Analog Channel (%1)").arg(analog.differences.size()));

        // A closed window compares no more; Compare with List opens it on the list as it is.
        window->close();
        // The list's keys work in the list, which has the focus again.
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        table()->setFocus();
        selectRows({0});
        QTest::keyClick(table(), Qt::Key_Delete);
        QTest::qWait(20);
        QCOMPARE(analog.count(DifferenceKind::OnlyInB), std::size_t{1});
        files.push_back(other);
        trigger(Command::CompareWithList);
        QVERIFY(window->isVisible());
        QCOMPARE(window->comparison()
                     ->result.section(CompareSection::Analog)
                     .count(DifferenceKind::OnlyInB),
                 std::size_t{2});
    }

    void compareWithReceiverKeepsTheOpenListAsItIs() {
        StbSimProcess sim({"--dump", exampleList()});
        frame->runtime().portDevices[0] = sim.device().toStdString();
        selectRows({0});
        QTest::keyClick(table(), Qt::Key_Delete);
        const QString title = frame->windowTitle();

        trigger(Command::CompareWithReceiver);
        auto* window = frame->findChild<CompareWindow*>();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(),
                 QString("Skylister - Compare: the open list and the receiver's list"));
        // The channel deleted from the open list is only in the receiver's; the null channel
        // stays paired.
        QStringList onlyInReceiver;
        for (const RowDifference& d :
             window->comparison()->result.section(CompareSection::Digital).differences) {
            if (d.kind == DifferenceKind::OnlyInB) onlyInReceiver << QString::fromStdString(d.name);
        }
        QCOMPARE(onlyInReceiver, QStringList{"Das Erste"});
        // The open list stays, unsaved, and no Save As is offered.
        QCOMPARE(frame->windowTitle(), title);
        QCOMPARE(model()->rowCount(), 15);
        QVERIFY(frame->document().list().hasUnsavedChanges());
        QCOMPARE(dialogs, QStringList{"open"});
    }

    void aListThatDoesNotLoadOpensNoWindow() {
        const QString broken = dir->path() + "/broken.txt";
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[SATELLITE_NAME_LIST]\r\nnot a list\r\n");
        file.close();
        files.push_back(broken);
        trigger(Command::CompareWithList);
        QVERIFY(!frame->findChild<CompareWindow*>());
        QVERIFY(!boxes.isEmpty());
        QCOMPARE(model()->rowCount(), 16);
    }
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::CompareTest)
#include "Compare_test.moc"
