// The setting dialogs as the user meets them: opened through the runner with the caller's data,
// typed into and clicked, and what the data holds afterwards.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/dialogs/QtDialogRunner.h"

using namespace sky;

namespace {

// Plays the user of the next modal dialog once it is shown. A dialog the user leaves open is
// cancelled, so a failed check never hangs the test.
void whenShown(const std::function<void(QDialog&)>& user) {
    QTimer::singleShot(0, [user] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            QFAIL("no dialog shown");
        }
        user(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

// Closes the next message box and keeps its text.
void answerBox(QString& text) {
    QTimer::singleShot(0, [&text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QFAIL("no message box shown");
        }
        text = box->text();
        box->accept();
    });
}

template <typename Widget>
Widget& control(QDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(name);
    if (!widget) qFatal("no control %s", name);
    return *widget;
}

// The control the Tab key goes to from `widget`.
QWidget* nextTabStop(QWidget* widget) {
    do {
        widget = widget->nextInFocusChain();
    } while (!(widget->focusPolicy() & Qt::TabFocus));
    return widget;
}

void retype(QLineEdit& edit, const QString& text) {
    edit.selectAll();
    QTest::keyClicks(&edit, text);
}

template <typename Data>
Data channelData() {
    Data data;
    data.satelliteRows = {"1", "ASTRA",   "N", "10600", "9750", "1", "0192",  //
                          "2", "HOTBIRD", "N", "10700", "9750", "3", "-0130"};
    data.satelliteName = "ASTRA";
    data.satelliteIndexHint = "1";
    data.lnbHigh = "10600";
    data.degree = "E019.2";
    data.name = "D1";
    data.frequency = "11778";
    return data;
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void digitalAdjustTakesTypedValuesAndThePickedSatellite() {
        auto data = channelData<DigitalChannelDialogData>();
        data.serviceId = "00A1";
        whenShown([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), "Digital Channel Setting...Adjust, New, Delete");
            QVERIFY(control<QPushButton>(dialog, "delete").isVisibleTo(&dialog));
            QVERIFY(control<QPushButton>(dialog, "insertNull").isVisibleTo(&dialog));
            QVERIFY(!control<QLineEdit>(dialog, "videoPid").isVisibleTo(&dialog));
            QVERIFY(control<QLineEdit>(dialog, "serviceId").isEnabled());
            QVERIFY(!control<QLineEdit>(dialog, "lnbHigh").isEnabled());
            QCOMPARE(control<QLineEdit>(dialog, "lnbHigh").text(), "10600");
            QCOMPARE(control<QLineEdit>(dialog, "bouquet").maxLength(), 13);

            auto& picker = control<QComboBox>(dialog, "satellite");
            QCOMPARE(picker.currentIndex(), 0);
            QCOMPARE(picker.count(), 2);
            retype(control<QLineEdit>(dialog, "name"), "NEW NAME");
            control<QRadioButton>(dialog, "vertical").click();
            picker.setCurrentIndex(1);
            QCOMPARE(control<QLineEdit>(dialog, "lnbHigh").text(), "10700");
            QCOMPARE(control<QLineEdit>(dialog, "degree").text(), "W013.0");
            QTest::mouseClick(&control<QPushButton>(dialog, "ok"), Qt::LeftButton);
        });
        app::QtDialogRunner runner(nullptr);
        QCOMPARE(runner.run(data), DialogEnd::Ok);
        QCOMPARE(data.name, "NEW NAME");
        QVERIFY(!data.horizontal);
        QCOMPARE(data.satelliteIndex, 1);
        QCOMPARE(data.degree, "W013.0");
        QCOMPARE(data.satelliteName, "HOTBIRD");
    }

    void digitalNewChannelServiceIdAndInsertKey() {
        auto data = channelData<DigitalChannelDialogData>();
        data.newFlag = true;
        data.videoPid = "512";
        whenShown([&data](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), "Setting Digital Channel....New");
            QVERIFY(!control<QPushButton>(dialog, "delete").isVisibleTo(&dialog));
            QVERIFY(!control<QPushButton>(dialog, "insertNull").isVisibleTo(&dialog));
            auto& serviceId = control<QLineEdit>(dialog, "serviceId");
            auto& videoPid = control<QLineEdit>(dialog, "videoPid");
            QTest::keyClicks(&serviceId, "1");
            QVERIFY(!videoPid.isEnabled());
            QCOMPARE(data.videoPid, "");
            QTest::keyClick(&serviceId, Qt::Key_Backspace);
            QVERIFY(videoPid.isEnabled());
            // The Insert key stands for the hidden Insert Null button.
            QTest::keyClick(&control<QLineEdit>(dialog, "name"), Qt::Key_Insert);
        });
        app::QtDialogRunner runner(nullptr);
        QCOMPARE(runner.run(data), DialogEnd::InsertNull);
        QVERIFY(data.insertNullFlag);
        QCOMPARE(data.serviceId, "");
    }

    void analogWordListsAndTheDeleteKeyOnOk() {
        auto data = channelData<AnalogChannelDialogData>();
        data.audioModeIndex = 2;
        whenShown([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), "Analog Channel Setting...Adjust, New, Delete");
            auto& audioMode = control<QComboBox>(dialog, "audioMode");
            QCOMPARE(audioMode.currentText(), "MONO_RIGHT");
            QCOMPARE(control<QComboBox>(dialog, "bandWidth").count(), 5);
            QVERIFY(control<QComboBox>(dialog, "satellite").isEditable());
            QVERIFY(control<QRadioButton>(dialog, "dnrYes").isChecked());
            // Tab goes through the channel's fields before the satellite's.
            QCOMPARE(nextTabStop(&control<QRadioButton>(dialog, "radio")),
                     &control<QComboBox>(dialog, "satellite"));
            audioMode.setCurrentIndex(0);
            control<QRadioButton>(dialog, "dnrNo").click();
            control<QRadioButton>(dialog, "ku").click();
            auto& ok = control<QPushButton>(dialog, "ok");
            ok.setFocus();
            QTest::keyClick(&ok, Qt::Key_Delete);
        });
        app::QtDialogRunner runner(nullptr);
        QCOMPARE(runner.run(data), DialogEnd::Delete);
        QVERIFY(data.deleteFlag);
        QCOMPARE(data.audioModeIndex, 0);
        QVERIFY(!data.dnr);
        QVERIFY(data.ku);
    }

    void aTooLongTextKeepsTheDialogOpenWithItsEditFocused() {
        auto data = channelData<AnalogChannelDialogData>();
        data.name = "FOURTEEN CHARS";
        QString box;
        whenShown([&box](QDialog& dialog) {
            answerBox(box);
            QTest::mouseClick(&control<QPushButton>(dialog, "ok"), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.focusWidget(), &control<QLineEdit>(dialog, "name"));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        app::QtDialogRunner runner(nullptr);
        QCOMPARE(runner.run(data), DialogEnd::Cancel);
        QCOMPARE(box, "Please enter no more than 13 characters.");
        QVERIFY(!data.deleteFlag);
    }

    void satelliteDialogTakesItsFields() {
        SatelliteDialogData data;
        data.degree = "E019.2";
        whenShown([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), "Satellite Setting Dialog - Edit");
            // Wide enough for its caption in bold type and a title bar's icon and buttons.
            QFont bold = dialog.font();
            bold.setBold(true);
            QVERIFY(dialog.width() >=
                    QFontMetrics(bold).horizontalAdvance(dialog.windowTitle()) + 100);
            QVERIFY(control<QRadioButton>(dialog, "blankNo").isChecked());
            auto& degree = control<QLineEdit>(dialog, "degree");
            QCOMPARE(degree.maxLength(), 6);
            retype(degree, "W045.55");
            // The LNB preset fills both LO fields and follows them.
            auto& lnb = control<QComboBox>(dialog, "lnbPreset");
            QCOMPARE(lnb.currentText(), "Custom");
            lnb.setCurrentIndex(static_cast<int>(LnbPreset::CBand));
            emit lnb.activated(lnb.currentIndex());
            QCOMPARE(control<QLineEdit>(dialog, "lnbHigh").text(), "05150");
            retype(control<QLineEdit>(dialog, "lnbLow"), "10600");
            retype(control<QLineEdit>(dialog, "lnbHigh"), "10600");
            QCOMPARE(lnb.currentText(), "Single 10600");
            control<QRadioButton>(dialog, "blankYes").click();
            QTest::mouseClick(&control<QPushButton>(dialog, "ok"), Qt::LeftButton);
        });
        app::QtDialogRunner runner(nullptr);
        QCOMPARE(runner.run(data), DialogEnd::Ok);
        QCOMPARE(data.degree, "W045.5");
        QCOMPARE(data.lnbLow, "10600");
        QVERIFY(data.blank);

        whenShown([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QCOMPARE(runner.run(data), DialogEnd::Cancel);
    }
};

QTEST_MAIN(DialogsTest)
#include "Dialogs_test.moc"
