// File > History through the window: the dialog lists the kept lists, and Open as New List shows
// the chosen one untitled.

#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <chrono>

#include "app/AppFixture.h"
#include "app/dialogs/HistoryDialog.h"

namespace sky::app::test {

class HistoryTest : public QObject, public AppFixture {
    Q_OBJECT
private:
    QTemporaryDir runtimeDir;

private slots:
    void init() {
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toUtf8());
        start();
    }
    void cleanup() { stop(); }

    void theDialogListsTheKeptListsAndOpensOneUntitled() {
        QByteArray text = readAll(exampleList());
        text.replace("\"Das Erste\"", "\"Das Zweite\"");
        QVERIFY(!keepInHistory(historyFolder(), HistoryKind::Sent, text.toStdString(), "",
                               "/home/user/channels.txt", 1 << 20,
                               std::chrono::system_clock::now()));
        const QString original = copyExample();
        open(original);

        QStringList shown;
        bool compareEnabled = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<HistoryDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTreeWidgetItem* row = dialog->list()->topLevelItem(0);
            QVERIFY(row);
            for (int column = 0; column < 4; ++column) shown << row->text(column);
            compareEnabled = dialog->compareButton()->isEnabled();
            dialog->openButton()->click();
        });
        trigger(Command::History);
        QCOMPARE(shown.mid(1), QStringList({"sent", "5 satellites, 8 transponders, 22 channels",
                                            "/home/user/channels.txt"}));
        QVERIFY(compareEnabled);
        QCOMPARE(frame->windowTitle(), QString("Skylister : Untitled"));
        QCOMPARE(names().first(), QString("Das Zweite"));
        QCOMPARE(readAll(original), readAll(exampleList()));
    }
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::HistoryTest)
#include "History_test.moc"
