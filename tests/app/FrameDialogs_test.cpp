// The option dialog with its settings, Find Duplicates, the about box and Help Topics.

#include <QColor>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include "app/AppFixture.h"
#include "app/dialogs/DuplicateGroupsModel.h"
#include "app/dialogs/DuplicatesDialog.h"
#include "app/frame/AboutBox.h"
#include "app/frame/HelpWindow.h"
#include "app/settings/OptionDialog.h"
#include "app/settings/QtSettingsStore.h"
#include "common/ProgramVersion.h"

namespace sky::app::test {

class FrameDialogsTest : public QObject, public AppFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void optionDialogWritesItsSettingsAndTheNextStartReadsThem() {
        open(copyExample());
        QCOMPARE(table()->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(table()->palette().color(QPalette::Text), QColor(Qt::black));

        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<OptionDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            checked = dialog->windowTitle() == "Setting Option" && dialog->radio32()->isChecked() &&
                      dialog->portList()->currentText() == "COM1" &&
                      dialog->deviceList()->currentText() == "/dev/ttyS0" &&
                      !dialog->temporaryDirectoryEdit()->text().isEmpty();
            dialog->pickColour = [] { return std::optional<Rgb>(Rgb{10, 20, 30}); };
            dialog->textColourButton()->click();
            dialog->pickColour = [] { return std::optional<Rgb>(); };
            dialog->backgroundColourButton()->click();  // cancelled: grey stays
            dialog->radio40()->setChecked(true);
            dialog->portList()->setCurrentIndex(2);
            dialog->deviceList()->setCurrentText("/dev/ttyUSB0");
            dialog->accept();
        });
        trigger(Command::Option);
        QVERIFY(checked);
        QVERIFY(frame->maxSatellite40());
        QCOMPARE(frame->runtime().comPort, 3);
        QCOMPARE(frame->runtime().portDevices[2], std::string("/dev/ttyUSB0"));
        QCOMPARE(table()->palette().color(QPalette::Text), QColor(10, 20, 30));
        QCOMPARE(table()->palette().color(QPalette::Base), QColor(192, 192, 192));
        QCOMPARE(model()->rowCount(), 16);

        QSettings stored("Orvel", "Skylister");
        QCOMPARE(stored.value("CommPort Num/Number").toInt(), 3);
        QCOMPARE(stored.value("Skylister/Font Size").toInt(), 10);
        QCOMPARE(stored.value("Skylister/Font Name").toString(), QString("system"));
        QCOMPARE(stored.value("Skylister/Text Color.B").toInt(), 30);
        QCOMPARE(stored.value("Skylister/Background Color.R").toInt(), 192);
        QCOMPARE(stored.value("CommPort Devices/COM3").toString(), QString("/dev/ttyUSB0"));
        QVERIFY(stored.fileName().startsWith(dir->path()));

        // The next start reads them back; the satellite number starts at 32 again.
        frame.reset();
        frame = std::make_unique<MainWindow>();
        QCOMPARE(frame->runtime().comPort, 3);
        QVERIFY(!frame->maxSatellite40());
        QCOMPARE(frame->table()->palette().color(QPalette::Text), QColor(10, 20, 30));
        QString port;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<OptionDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            port = dialog->portList()->currentText();
            dialog->defaultColourButton()->click();
            dialog->reject();
        });
        QVERIFY(!frame->runOptionDialog());
        QCOMPARE(port, QString("COM3"));
        QCOMPARE(frame->table()->palette().color(QPalette::Text), QColor(10, 20, 30));
    }

    void findDuplicatesRemovesTheCopiesButTheKeptRowAsOneStepOfUndo() {
        QVERIFY(!frame->action(Command::FindDuplicates)->isEnabled());
        QVERIFY(
            frame->editChannelMenu()->actions().contains(frame->action(Command::FindDuplicates)));
        // Each item of the menu has a letter of its own: a shared one would only select.
        QSet<QChar> letters;
        for (const QAction* item : frame->editChannelMenu()->actions()) {
            const qsizetype amp = item->text().indexOf('&');
            if (amp < 0) continue;
            const QChar letter = item->text().at(amp + 1).toLower();
            QVERIFY2(!letters.contains(letter), qPrintable(item->text()));
            letters.insert(letter);
        }
        // Das Erste once more, under another number and name.
        const QString path = copyExample();
        QByteArray text = readAll(path);
        text.insert(text.indexOf("[DIGITAL PID CHANNEL]"),
                    "15    1     0     6FEE    TV        \"Das Erste HD\"  0       N\r\n");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        open(path);
        QCOMPARE(model()->rowCount(), 17);
        QCOMPARE(frame->statusBar()->currentMessage(),
                 QString("1 duplicates found: Edit Channel > Find Duplicates"));

        QString found;
        QString afterRemove;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<DuplicatesDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            DuplicateGroupsModel* groups = dialog->groupsModel();
            const QAbstractItemModelTester tester(
                groups, QAbstractItemModelTester::FailureReportingMode::QtTest);
            const QModelIndex group = groups->index(0, 0);
            found = dialog->sectionList()->currentText() + " | " + group.data().toString() + " | " +
                    dialog->countLabel()->text();
            // The copy is kept; the first Das Erste goes.
            groups->setData(groups->index(1, DuplicateGroupsModel::KeepColumn, group), Qt::Checked,
                            Qt::CheckStateRole);
            dialog->removeButton()->click();
            afterRemove = dialog->countLabel()->text();
            dialog->reject();
        });
        trigger(Command::FindDuplicates);
        QCOMPARE(found,
                 QString("Digital Channel | SAT Index 0, Frequency 11836, Symbol Rate 27500, "
                         "Polarization H, SVC ID 6FEE | 1 group, 1 row to remove"));
        QCOMPARE(afterRemove, QString("1 row removed. No duplicates found."));
        QCOMPARE(model()->rowCount(), 16);
        QCOMPARE(names().front(), QString("BR Sued"));
        QVERIFY(names().contains("Das Erste HD"));
        QCOMPARE(undoText(), QString("Undo (1 - Remove Duplicates)"));

        trigger(Command::Undo);
        QCOMPARE(model()->rowCount(), 17);
        QCOMPARE(names().front(), QString("Das Erste"));
        QVERIFY(names().contains("Das Erste HD"));
    }

    void settingsStoreTellsWhenItCannotWrite() {
        // The settings folder cannot be made: a file stands where it would be.
        const QString blocker = dir->path() + "/blocker";
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker + "/config");
        QtSettingsStore store;
        store.writeInt("Skylister", "Key", 1);
        QVERIFY(!store.commit());
        QVERIFY(QString::fromStdString(store.location()).startsWith(blocker));
    }

    void aboutBoxShowsVersionDateAndHistoryAtItsEnd() {
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
            if (!box) return;
            QScrollBar* scroll = box->historyEdit()->verticalScrollBar();
            checked =
                box->windowTitle() == "About Skylister" && box->versionEdit()->text() == "1.2.1" &&
                box->dateEdit()->text() == "2001.02.23" && box->versionEdit()->isReadOnly() &&
                box->findChild<QLabel*>("ProgramName")
                    ->text()
                    .contains(QString("Skylister ") + kProgramVersion) &&
                box->historyEdit()->toPlainText().startsWith("\nVersion 1.2.1\t2001.02.23\n") &&
                box->historyEdit()->toPlainText().endsWith("adjusting upload for large size\n") &&
                scroll->value() == scroll->maximum();
            for (QPushButton* button : box->findChildren<QPushButton*>()) {
                if (button->text() == "O  K") button->click();
            }
        });
        frame->commandButton(Command::About)->click();
        QVERIFY(checked);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void helpTopicsShowsTheUserGuide() {
        trigger(Command::HelpTopics);
        QVERIFY(frame->helpWindow());
        QVERIFY(frame->helpWindow()->isVisible());
        const QString text = frame->helpWindow()->browser()->toPlainText();
        QVERIFY(text.contains("Skylister user guide"));
        QVERIFY(text.contains("Saveing  Modified Data!!!"));
        QVERIFY(!text.contains("## "));  // shown as Markdown, not as its source
        // Every picture of the guide is found, none shown as a broken image.
        QTextBrowser* browser = frame->helpWindow()->browser();
        int pictures = 0;
        for (QTextBlock block = browser->document()->begin(); block.isValid();
             block = block.next()) {
            for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
                const QTextCharFormat format = piece.fragment().charFormat();
                if (!format.isImageFormat()) continue;
                const QUrl name(format.toImageFormat().name());
                QVERIFY2(!browser->loadResource(QTextDocument::ImageResource, name).isNull(),
                         qPrintable(name.toString()));
                ++pictures;
            }
        }
        QVERIFY(pictures > 0);
    }
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::FrameDialogsTest)
#include "FrameDialogs_test.moc"
