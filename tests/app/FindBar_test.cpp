// The find bar as a user meets it: Ctrl+F, typing, Enter and Shift+Enter, Esc, and the bar
// keeping its text and filters in force while the list is sorted or another view shown. What
// matches is the list view's rule, tested with it.

#include "app/find/FindBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>

#include "app/AppFixture.h"

namespace sky::app::test {

class FindBarTest : public QObject, public AppFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void ctrlFTypingEnterAndEscFindAndRestoreTheRows() {
        // Find needs a list; then it stands in the Edit Channel menu.
        QVERIFY(!frame->action(Command::Find)->isEnabled());
        open(copyExample());
        QVERIFY(frame->action(Command::Find)->isEnabled());
        QVERIFY(frame->editChannelMenu()->actions().contains(frame->action(Command::Find)));
        QVERIFY(bar()->isHidden());

        QTest::keyClick(frame.get(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(bar()->isVisible());
        QCOMPARE(QApplication::focusWidget(), text());
        QVERIFY(onlyMatching()->isChecked());

        // Each key narrows the table at once; "Radio 1" is on a transponder of bouquet "RAI 2".
        QTest::keyClicks(text(), "ra");
        const int withRa = model()->rowCount();
        QTest::keyClicks(text(), "i");
        QVERIFY(withRa > 4 && withRa < 16);
        QCOMPARE(names(), (QStringList{"Rai 1", "Rai 2", "Radio 1", "Rai Test"}));
        QCOMPARE(count(), QString("4 Matches"));

        QTest::keyClick(text(), Qt::Key_Return);
        QCOMPARE(count(), QString("1 of 4"));
        QTest::keyClick(text(), Qt::Key_Enter);
        QCOMPARE(count(), QString("2 of 4"));
        QCOMPARE(table()->selectedRows(), std::vector<std::size_t>{1});
        QTest::keyClick(text(), Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClick(text(), Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(count(), QString("4 of 4"));

        // Ctrl+F in the open bar selects the text, ready to be typed over.
        QTest::keyClick(text(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(text()->selectedText(), QString("rai"));

        QTest::keyClick(text(), Qt::Key_Escape);
        QVERIFY(bar()->isHidden());
        QCOMPARE(text()->text(), QString());
        QCOMPARE(model()->rowCount(), 16);
        QCOMPARE(table()->selectedRows().size(), std::size_t{1});
        QCOMPARE(cell(static_cast<int>(table()->selectedRows().front()), 5), QString("Rai Test"));
        QCOMPARE(QApplication::focusWidget(), table());
        QVERIFY(frame->listView().findQuery() == FindQuery{});
    }

    void eachKeystrokeLaysTheRowsOutAtOnce() {
        // A window too low for the whole list: the rows come back with the scroll bar they
        // need, before the table is drawn (else it is drawn twice).
        frame->resize(900, 300);
        open(copyExample());
        QTest::keyClick(frame.get(), Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(text(), "rai");
        QTest::qWait(20);
        QCOMPARE(table()->verticalScrollBar()->maximum(), 0);
        QTest::keyClick(text(), Qt::Key_Backspace, Qt::ControlModifier);
        QCOMPARE(model()->rowCount(), 16);
        QVERIFY(table()->verticalScrollBar()->maximum() > 0);
    }

    void theBarKeepsItsQueryThroughSortsAndViewsAndOffersTheirChoices() {
        open(copyExample());
        trigger(Command::Find);
        QTest::keyClicks(text(), "rai");
        choose(column(), "Name");
        QCOMPARE(model()->rowCount(), 3);
        QVERIFY(satellite()->isVisible());
        QVERIFY(type()->isVisible());

        // A sort clears the list view's query; the bar puts its own back at once.
        trigger(Command::SortChannelName);
        QTRY_COMPARE(model()->rowCount(), 3);
        QVERIFY(frame->listView().findQuery() == bar()->query());
        QCOMPARE(column()->currentText(), QString("Name"));
        QCOMPARE(count(), QString("3 Matches"));

        // The analog view has a Name column of its own; no channel there has "rai" in its name.
        trigger(Command::AnalogChannel);
        QTRY_COMPARE(count(), QString("No Matches"));
        QCOMPARE(model()->rowCount(), 0);
        QCOMPARE(column()->currentText(), QString("Name"));

        // The Satellite Name List has neither the Name column nor a satellite or type to filter.
        trigger(Command::SatelliteNameList);
        QTRY_COMPARE(column()->currentText(), QString("All columns"));
        QVERIFY(!satellite()->isVisible());
        QVERIFY(!type()->isVisible());
        QVERIFY(frame->listView().findQuery() == bar()->query());

        // Back in the digital view, a quick filter narrows the text's matches further, and
        // unchecking "Show only matching rows" shows every row with the matches still counted.
        trigger(Command::DigitalChannel);
        QTRY_VERIFY(type()->isVisible());
        choose(column(), "Name");
        choose(type(), "Radio");
        QCOMPARE(model()->rowCount(), 0);
        choose(type(), "TV");
        QCOMPARE(names(), (QStringList{"Rai 1", "Rai 2", "Rai Test"}));
        onlyMatching()->click();
        QCOMPARE(model()->rowCount(), 16);
        QCOMPARE(count(), QString("3 Matches"));
    }

private:
    FindBar* bar() const { return frame->findBar(); }
    template <typename Widget>
    Widget* child(const char* name) const {
        auto* widget = bar()->findChild<Widget*>(name);
        if (!widget) qFatal("the find bar has no %s", name);
        return widget;
    }
    QLineEdit* text() const { return child<QLineEdit>("FindText"); }
    QComboBox* column() const { return child<QComboBox>("FindColumn"); }
    QComboBox* satellite() const { return child<QComboBox>("FindSatellite"); }
    QComboBox* type() const { return child<QComboBox>("FindType"); }
    QCheckBox* onlyMatching() const { return child<QCheckBox>("FindOnlyMatching"); }
    QString count() const { return child<QLabel>("FindCount")->text(); }

    // Chooses an item of a choice as the keyboard does, one step at a time.
    static void choose(QComboBox* box, const QString& item) {
        const int index = box->findText(item);
        QVERIFY2(index >= 0, qPrintable(item));
        box->setFocus();
        while (box->currentIndex() < index) QTest::keyClick(box, Qt::Key_Down);
        while (box->currentIndex() > index) QTest::keyClick(box, Qt::Key_Up);
    }
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::FindBarTest)
#include "FindBar_test.moc"
