// Rename Channels through the window: the dialog opens over the selected rows or every shown
// row, previews each rule as it is added, renames what is ticked as one undo step, and is off
// where the view shows no channels.

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include "app/AppFixture.h"
#include "app/dialogs/RenameChannelsDialog.h"

namespace sky::app::test {

class RenameChannelsTest : public QObject, public AppFixture {
    Q_OBJECT
private slots:
    void init() {
        start();
        open(copyExample());
        QCOMPARE(model()->rowCount(), 16);
    }
    void cleanup() { stop(); }

    void renamesTheTickedRowsAsOneUndoStep() {
        const QStringList before = names();
        selectRows({0, 1});
        QStringList shown;
        answerDialog([&](RenameChannelsDialog* dialog) {
            QAbstractItemModel* rows = dialog->rowTable()->model();
            shown << QString::number(rows->rowCount()) << dialog->countLabel()->text();
            dialog->kindBox()->setCurrentIndex(2);  // change case
            dialog->ruleEdit()->setText("upper");
            dialog->addButton()->click();
            for (int row = 0; row < rows->rowCount(); ++row) {
                shown << rows->index(row, RenameChannelsDialog::NewName).data().toString();
            }
            shown << dialog->countLabel()->text();
            rows->setData(rows->index(1, RenameChannelsDialog::Number), Qt::Unchecked,
                          Qt::CheckStateRole);
            shown << dialog->countLabel()->text();
            dialog->renameButton()->click();
        });
        trigger(Command::RenameChannels);
        QCOMPARE(shown, (QStringList{"2", "0 of 2 channels will be renamed.", "DAS ERSTE",
                                     "BR SUED", "2 of 2 channels will be renamed.",
                                     "1 of 2 channels will be renamed."}));
        QStringList renamed = before;
        renamed[0] = "DAS ERSTE";
        QCOMPARE(names(), renamed);
        QCOMPARE(undoText(), QString("Undo (1 - Rename Channels)"));

        trigger(Command::Undo);
        QCOMPARE(names(), before);
    }

    void opensOnEveryShownRowWithoutASelectionAndNotOverSatellites() {
        table()->clearSelection();
        int rows = -1;
        bool renameEnabled = true;
        answerDialog([&](RenameChannelsDialog* dialog) {
            rows = dialog->rowTable()->model()->rowCount();
            renameEnabled = dialog->renameButton()->isEnabled();
            dialog->reject();
        });
        trigger(Command::RenameChannels);
        QCOMPARE(rows, 14);  // the two null channels are left out
        QVERIFY(!renameEnabled);
        QCOMPARE(undoText(), QString("Undo Disable"));

        trigger(Command::SatelliteList);
        QVERIFY(!frame->action(Command::RenameChannels)->isEnabled());
    }

private:
    template <typename F>
    void answerDialog(F answer) {
        QTimer::singleShot(0, this, [answer] {
            auto* dialog = qobject_cast<RenameChannelsDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            answer(dialog);
            if (dialog->isVisible()) dialog->reject();
        });
    }
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::RenameChannelsTest)
#include "RenameChannels_test.moc"
