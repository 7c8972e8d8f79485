// The option dialog with its settings, the about box and Help Topics.

#include <QColor>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>

#include "app/AppFixture.h"
#include "app/frame/AboutBox.h"
#include "app/frame/HelpWindow.h"
#include "app/settings/OptionDialog.h"
#include "app/settings/QtSettingsStore.h"

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
        frame = std::make_unique<CMainFrame>();
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
        // Its pictures come with it.
        QVERIFY(!frame->helpWindow()
                     ->browser()
                     ->document()
                     ->resource(QTextDocument::ImageResource, QUrl("images/compare.png"))
                     .isNull());
    }
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::FrameDialogsTest)
#include "FrameDialogs_test.moc"
