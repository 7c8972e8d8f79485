// Apply Order from List, Save as Reference, Import Transponders and Import Channels through the
// window: the file dialogs, the previews and their options, one undo step each, and the refusals.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

#include "app/AppFixture.h"
#include "app/dialogs/ApplyOrderDialog.h"
#include "app/dialogs/ImportChannelsDialog.h"
#include "app/dialogs/ImportTranspondersDialog.h"

namespace sky::app::test {

class ListsFromElsewhereTest : public QObject, public AppFixture {
    Q_OBJECT
private slots:
    void init() {
        start();
        list = copyExample();
        open(list);
        QCOMPARE(model()->rowCount(), 16);
    }
    void cleanup() { stop(); }

    void applyOrderPreviewsTheReferenceAndAppliesItAsOneUndoStep() {
        // A faulty line names the file and the line; nothing changes.
        files.push_back(write("bad.csv", "1;ZDF\r\nnot a row\r\n"));
        trigger(Command::ApplyOrder);
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].contains("bad.csv, line 2"));
        QCOMPARE(undoText(), QString("Undo Disable"));

        const QStringList before = names();
        files.push_back(write("order.csv", "1;ZDF\r\n2;Das Erste\r\n3;Nowhere\r\n"));
        QString counts;
        QString removedCounts;
        int unmatched = 0;
        answerDialog<ApplyOrderDialog>([&](ApplyOrderDialog* dialog) {
            counts = dialog->countsLabel(true)->text();
            unmatched = dialog->unmatchedList()->count();
            // The counts follow the options.
            dialog->removeButton()->setChecked(true);
            removedCounts = dialog->countsLabel(true)->text();
            dialog->keepButton()->setChecked(true);
            dialog->applyButton()->click();
        });
        trigger(Command::ApplyOrder);
        QCOMPARE(counts, QString("Digital Channel: 0 matched by identity, 2 by name, 14 unmatched "
                                 "(placed after the matched ones), 0 null channel places, 1 of "
                                 "the reference not found."));
        QVERIFY(removedCounts.contains("14 unmatched (removed)"));
        // A heading and the 14 rows.
        QCOMPARE(unmatched, 15);
        QCOMPARE(names().mid(0, 3), (QStringList{"ZDF", "Das Erste", "BR Sued"}));
        QCOMPARE(model()->rowCount(), 16);
        QCOMPARE(undoText(), QString("Undo (1 - Apply Order)"));

        trigger(Command::Undo);
        QCOMPARE(names(), before);

        // Cancel changes nothing.
        files.push_back(dir->path() + "/order.csv");
        answerDialog<ApplyOrderDialog>([](ApplyOrderDialog* dialog) { dialog->reject(); });
        trigger(Command::ApplyOrder);
        QCOMPARE(names(), before);
        QCOMPARE(undoText(), QString("Undo Disable"));
    }

    void saveAsReferenceWritesTheViewShown() {
        const QString reference = dir->path() + "/order.csv";
        files.push_back(reference);
        trigger(Command::SaveAsReference);
        QVERIFY(readAll(reference).startsWith("1;Das Erste\r\n2;BR Sued\r\n3;hr-fernsehen\r\n"));

        // A folder that cannot take the file: the box says so. The refusal of the list's own
        // file: tests/shell.
        files.push_back(dir->path() + "/no-such-folder/order.csv");
        trigger(Command::SaveAsReference);
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].startsWith("Skylister: ERROR!!!"));
    }

    void importTranspondersAddsTheTickedRowsAsOneUndoStep() {
        trigger(Command::DigitalTpList);
        QCOMPARE(model()->rowCount(), 8);
        // One transponder the list has, one new, one DVB-S2 that takes a tick.
        files.push_back(write("Astra-19.2E",
                              "[CHANNEL]\n DELIVERY_SYSTEM = DVBS\n"
                              " FREQUENCY = 11836000\n POLARIZATION = HORIZONTAL\n"
                              " SYMBOL_RATE = 27500000\n"
                              "[CHANNEL]\n DELIVERY_SYSTEM = DVBS\n"
                              " FREQUENCY = 12345000\n POLARIZATION = VERTICAL\n"
                              " SYMBOL_RATE = 22000000\n"
                              "[CHANNEL]\n DELIVERY_SYSTEM = DVBS2\n"
                              " FREQUENCY = 12400000\n POLARIZATION = HORIZONTAL\n"
                              " SYMBOL_RATE = 27500000\n"));
        QStringList shown;
        answerDialog<ImportTranspondersDialog>([&](ImportTranspondersDialog* dialog) {
            shown << dialog->satelliteBox()->currentText();
            dialog->otherFileButton()->click();
            QTableWidget* rows = dialog->rowTable();
            for (int row = 0; row < rows->rowCount(); ++row) {
                QTableWidgetItem* tick = rows->item(row, ImportTranspondersDialog::Frequency);
                shown << tick->text() + " " +
                             rows->item(row, ImportTranspondersDialog::Status)->text() +
                             ((tick->flags() & Qt::ItemIsUserCheckable) ? " [box]" : "");
            }
            shown << dialog->countLabel()->text();
            rows->item(2, ImportTranspondersDialog::Frequency)->setCheckState(Qt::Checked);
            shown << dialog->countLabel()->text();
            dialog->importButton()->click();
        });
        trigger(Command::ImportTransponders);
        QCOMPARE(shown, (QStringList{"0  ASTRA 1", "11836 already in the list", "12345 new [box]",
                                     "12400 DVB-S2 [box]", "1 transponder to add.",
                                     "2 transponders to add."}));
        QCOMPARE(model()->rowCount(), 10);
        QCOMPARE(undoText(), QString("Undo (1 - Import Transponders)"));

        trigger(Command::Undo);
        QCOMPARE(model()->rowCount(), 8);

        // The table's satellite may come as a new satellite row, last of the choices, with the
        // rows: 11836 H is on ASTRA 1, not on the new satellite.
        trigger(Command::SatelliteList);
        const int satellites = model()->rowCount();
        files.push_back(dir->path() + "/Astra-19.2E");
        QString offered;
        answerDialog<ImportTranspondersDialog>([&](ImportTranspondersDialog* dialog) {
            dialog->otherFileButton()->click();
            QComboBox* box = dialog->satelliteBox();
            box->setCurrentIndex(box->count() - 1);
            offered = box->currentText() + ", " + dialog->countLabel()->text();
            dialog->importButton()->click();
        });
        trigger(Command::ImportTransponders);
        QVERIFY2(offered.startsWith("New satellite: Astra 19.2 E (Index "), qPrintable(offered));
        QVERIFY2(offered.endsWith(", 2 transponders to add."), qPrintable(offered));
        QCOMPARE(model()->rowCount(), satellites + 1);
        trigger(Command::DigitalTpList);
        QCOMPARE(model()->rowCount(), 10);
        trigger(Command::Undo);
        QCOMPARE(model()->rowCount(), 8);

        // Without the tables' folder the dialog says where they come from; Other File remains.
        ImportTranspondersDialog missing(frame->document().list().tokens(),
                                         listScanTables((dir->path() + "/none").toStdString()),
                                         frame->documentWindow(), frame.get());
        QVERIFY(missing.folderLabel()->text().contains("dtv-scan-tables"));
        QVERIFY(!missing.tableBox()->isEnabled());
        QVERIFY(missing.otherFileButton()->isEnabled());
    }

    void importChannelsPreviewsTheFileAndImportsAsOneUndoStep() {
        // A new DVB-S service with a name to cut, a DVB-S2 one that takes a tick, a cable one that
        // takes none.
        files.push_back(
            write("channels.conf",
                  "Eins Extra "
                  "Programm;ARD:12110:hC34M2S0:S19.2E:27500:101=2:102=deu:104:0:28721:1:1101:0\n"
                  "Zwei HD;ZDF:12120:vC23M5O35S1:S19.2E:27500:6110=27:6120:0:0:11110:1:1011:0\n"
                  "Kabel:346000:M64:C:6900:101:102:0:0:1:1:1:0\n"));
        QStringList shown;
        answerDialog<ImportChannelsDialog>([&](ImportChannelsDialog* dialog) {
            const auto tick = [&](std::size_t row) {
                QTreeWidgetItem* item = dialog->rowItem(row);
                return (item->flags() & Qt::ItemIsUserCheckable)
                           ? QString(item->checkState(ImportChannelsDialog::Name) == Qt::Checked
                                         ? "[x] "
                                         : "[ ] ")
                           : QString();
            };
            shown << dialog->formatBox()->currentText();
            for (std::size_t row = 0; row < 3; ++row) {
                shown << tick(row) + dialog->rowItem(row)->text(ImportChannelsDialog::Name) + " " +
                             dialog->rowItem(row)->text(ImportChannelsDialog::Status);
            }
            shown << dialog->countsLabel()->text().section('\n', 0, 0);
            // Read as another format the file gives nothing to import.
            dialog->formatBox()->setCurrentIndex(3);
            shown << QString::number(dialog->importButton()->isEnabled());
            dialog->formatBox()->setCurrentIndex(0);
            dialog->rowItem(0)->setCheckState(ImportChannelsDialog::Name, Qt::Unchecked);
            shown << QString::number(dialog->importButton()->isEnabled()) +
                         dialog->warningLabel()->text();
            dialog->rowItem(0)->setCheckState(ImportChannelsDialog::Name, Qt::Checked);
            dialog->rowItem(1)->setCheckState(ImportChannelsDialog::Name, Qt::Checked);
            // A cut name may be edited; it shows as the list will have it.
            QVERIFY(dialog->rowItem(0)->flags() & Qt::ItemIsEditable);
            QVERIFY(!(dialog->rowItem(1)->flags() & Qt::ItemIsEditable));
            dialog->rowItem(0)->setText(ImportChannelsDialog::Name, "Eins \"Neu\"");
            shown << dialog->rowItem(0)->text(ImportChannelsDialog::Name);
            shown << dialog->countsLabel()->text().section('\n', 0, 0);
            dialog->importButton()->click();
        });
        trigger(Command::ImportChannels);
        QCOMPARE(shown, (QStringList{
                            "By content: VDR channels.conf", "[x] Eins Extra Pr new",
                            "[ ] Zwei HD DVB-S2", "Kabel not a satellite service",
                            "To add: 1 channels, 0 PID channels, 1 transponders, 0 satellites.",
                            "0", "0No row is ticked.", "Eins 'Neu'",
                            "To add: 2 channels, 0 PID channels, 2 transponders, 0 satellites."}));
        QCOMPARE(model()->rowCount(), 18);
        QVERIFY(names().contains("Eins 'Neu'") && names().contains("Zwei HD"));
        QCOMPARE(undoText(), QString("Undo (1 - Import Channels)"));
        trigger(Command::Undo);
        QCOMPARE(model()->rowCount(), 16);
    }

private:
    QString write(const QString& name, const QByteArray& text) {
        const QString path = dir->path() + "/" + name;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(text);
        return path;
    }

    // Runs `answer` on the dialog of type D once it is shown modally.
    template <typename D, typename F>
    void answerDialog(F answer) {
        QTimer::singleShot(0, this, [answer] {
            auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            answer(dialog);
            if (dialog->isVisible()) dialog->reject();
        });
    }

    QString list;
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::ListsFromElsewhereTest)
#include "ListsFromElsewhere_test.moc"
