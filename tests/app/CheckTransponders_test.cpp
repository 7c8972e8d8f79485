// Check Transponders through the window: the result window opens beside the list with a table
// the user picks, its ticked repairs are one undo step, and Undo takes them back.

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>

#include "app/AppFixture.h"
#include "app/dialogs/CheckTranspondersWindow.h"

namespace sky::app::test {

class CheckTranspondersTest : public QObject, public AppFixture {
    Q_OBJECT
private slots:
    void init() {
        start();
        open(copyExample());
    }
    void cleanup() { stop(); }

    void repairsOnceAndUndoTakesThemBack() {
        // The example's ASTRA 1 has 11836, 11954 and 12188 H at 27500.
        const QString table = dir->path() + "/Mine-19.2E";
        QFile file(table);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "[CHANNEL]\n DELIVERY_SYSTEM = DVBS\n FREQUENCY = 11836000\n"
            " POLARIZATION = H\n SYMBOL_RATE = 27500000\n"
            "[CHANNEL]\n DELIVERY_SYSTEM = DVBS\n FREQUENCY = 11954000\n"
            " POLARIZATION = H\n SYMBOL_RATE = 22000000\n"
            "[CHANNEL]\n DELIVERY_SYSTEM = DVBS2\n FREQUENCY = 12188000\n"
            " POLARIZATION = H\n SYMBOL_RATE = 27500000\n");
        file.close();
        const QStringList channelsBefore = names();

        trigger(Command::CheckTransponders);
        auto* window = frame->findChild<CheckTranspondersWindow*>();
        QVERIFY(window && window->isVisible());
        window->satelliteBox()->setCurrentIndex(0);
        files.push_back(table);
        QComboBox* tables = window->tableBox();
        tables->setCurrentIndex(tables->count() - 1);
        emit tables->activated(tables->count() - 1);
        QCOMPARE(tables->currentText(), table);

        QTableWidget* rows = window->rowTable();
        QCOMPARE(rows->rowCount(), 3);
        QStringList shown;
        for (int row = 0; row < rows->rowCount(); ++row) {
            shown << rows->item(row, CheckTranspondersWindow::Result)->text();
        }
        QCOMPARE(shown,
                 (QStringList{"the same", "symbol rate 27500 in the list, 22000 in the table",
                              "now DVB-S2 (1 channel); the receiver may not tune it"}));
        QVERIFY(!window->repairButton()->isEnabled());
        // A double-click on a transponder's Channels cell selects every channel on it.
        const auto onFirst = static_cast<std::size_t>(
            rows->item(0, CheckTranspondersWindow::Channels)->text().toInt());
        QVERIFY(onFirst > 1);
        emit rows->cellDoubleClicked(0, CheckTranspondersWindow::Channels);
        QCOMPARE(frame->table()->selectedRows().size(), onFirst);
        rows->item(1, CheckTranspondersWindow::Repair)->setCheckState(Qt::Checked);
        rows->item(2, CheckTranspondersWindow::Repair)->setCheckState(Qt::Checked);
        window->repairButton()->click();
        QCOMPARE(undoText(), QString("Undo (1 - Check Transponders)"));
        QCOMPARE(names().size(), channelsBefore.size() - 1);
        // The window checked anew: the symbol rate is the table's now.
        QCOMPARE(rows->item(1, CheckTranspondersWindow::Result)->text(), QString("the same"));
        QVERIFY(!window->repairButton()->isEnabled());

        trigger(Command::Undo);
        QCOMPARE(names(), channelsBefore);
        QTRY_COMPARE(rows->item(1, CheckTranspondersWindow::SymbolRate)->text(), QString("27500"));
        // The table chosen stays the satellite's.
        window->close();
        trigger(Command::CheckTransponders);
        QCOMPARE(window->tableBox()->currentText(), table);
    }
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::CheckTranspondersTest)
#include "CheckTransponders_test.moc"
