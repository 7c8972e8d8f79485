// The main window as a user meets it: start-up, Open, the views and their columns, the message
// window and the progress indicator, a list named on the command line.

#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include "app/AppFixture.h"
#include "app/frame/MessageWindow.h"

namespace sky::app::test {

class MainWindowTest : public QObject, public AppFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void startUpShowsTitleBarsAndNoMessageWindow() {
        QCOMPARE(frame->windowTitle(), QString("Skylister : Untitled"));
        QStringList menus;
        for (QAction* item : frame->menuBar()->actions()) menus << item->text();
        QCOMPARE(menus, (QStringList{"&File     ", "&Compile", "&Download", "&Upload          ",
                                     "&Edit Channel", "&Sort ", "&View         ",
                                     "&Option          ", "&Help"}));
        QVERIFY(frame->toolBar()->isVisible());
        QVERIFY(frame->commandBar()->isVisible());
        QCOMPARE(frame->toolBarArea(frame->commandBar()), Qt::TopToolBarArea);
        QVERIFY(frame->commandButton(Command::Open)->isVisible());
        QCOMPARE(frame->commandButton(Command::About)->text(), QString("About"));
        QVERIFY(frame->messageWindow()->isHidden());
        QVERIFY(!frame->action(Command::ViewDialogBar)->isChecked());
        QCOMPARE(frame->idlePrompt()->text(), QString("For Help, press F1"));
        QVERIFY(frame->idlePrompt()->isVisible());
        // Only Open and the window's own commands work without a list.
        QVERIFY(frame->action(Command::Open)->isEnabled());
        QVERIFY(!frame->action(Command::Save)->isEnabled());
        QVERIFY(!frame->action(Command::Delete)->isEnabled());
        QCOMPARE(frame->action(Command::Open)->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(frame->action(Command::Undo)->shortcut(), QKeySequence("Ctrl+Z"));
        // The command bar keeps its buttons' texts whole, also in a narrow window.
        for (const Command id :
             {Command::Open, Command::CompileDownload, Command::DownloadOthers}) {
            QPushButton* button = frame->commandButton(id);
            QVERIFY(button->minimumWidth() >= button->sizeHint().width());
        }
        QCOMPARE(frame->action(Command::Delete)->toolTip(), QString("Delete Selected Channel(s)"));
        QCOMPARE(frame->action(Command::SortFrequency)->statusTip(),
                 QString("Sort by Satellite >> Type >> Frequency >> Channel Name"));
        QCOMPARE(model()->rowCount(), 0);
        QCOMPARE(header(0), QString("Number"));
        QVERIFY(boxes.isEmpty());
    }

    void openShowsTheListAndItsPathInTheTitle() {
        const QString path = copyExample();
        open(path);
        QCOMPARE(dialogs, QStringList{"open"});
        QCOMPARE(frame->windowTitle(), "Skylister : " + path);
        QCOMPARE(model()->rowCount(), 16);
        QCOMPARE(cell(0, 5), QString("Das Erste"));
        QCOMPARE(cell(14, 5), QString("Rai Test"));
        QVERIFY(frame->action(Command::Save)->isEnabled());
        QVERIFY(frame->action(Command::DigitalChannel)->isChecked());
        QCOMPARE(frame->action(Command::Undo)->text(), QString("Undo Disable"));
        QVERIFY(boxes.isEmpty());
    }

    void viewsShowTheirColumnsAndIcons() {
        open(copyExample());
        // Digital Channel view at start-up: the detail columns hidden, Type too.
        QCOMPARE(model()->columnCount(), 20);
        QCOMPARE(header(11), QString("freqency"));
        QVERIFY(table()->isColumnHidden(1));
        QVERIFY(table()->isColumnHidden(4));
        QCOMPARE(table()->columnWidth(5), 120);
        QCOMPARE(model()->data(model()->index(0, 0), Qt::DecorationRole).typeName(),
                 QMetaType::fromType<QIcon>().name());
        QVERIFY(!qvariant_cast<QIcon>(model()->data(model()->index(0, 0), Qt::DecorationRole))
                     .isNull());

        trigger(Command::ViewDetail);
        QVERIFY(frame->action(Command::ViewDetail)->isChecked());
        QVERIFY(!table()->isColumnHidden(1));
        QCOMPARE(table()->columnWidth(10), 70);
        trigger(Command::ViewDetail);
        QVERIFY(table()->isColumnHidden(1));
        QVERIFY(!table()->isColumnHidden(4));  // Type stays at 70

        frame->commandButton(Command::AnalogChannel)->click();
        QVERIFY(frame->action(Command::AnalogChannel)->isChecked());
        QCOMPARE(model()->columnCount(), 23);
        QCOMPARE(header(3), QString("Band"));

        trigger(Command::SatelliteList);
        QCOMPARE(model()->columnCount(), 7);
        QCOMPARE(header(6), QString("Degree"));
        QCOMPARE(cell(0, 1), QString("ASTRA 1"));
        QVERIFY(cell(0, 6).startsWith('E'));
        // The widest position is shown whole, with the cell's margins.
        QVERIFY(table()->columnWidth(6) >=
                table()->fontMetrics().horizontalAdvance("W180.0") + 2 * table()->frameWidth() + 8);

        trigger(Command::DigitalTpList);
        QCOMPARE(header(2), QString("Freq(MHz)"));
        trigger(Command::SatelliteNameList);
        QCOMPARE(model()->columnCount(), 2);
        QCOMPARE(cell(1, 1), QString("HOTBIRD"));
        // View Detail does nothing in a section list.
        trigger(Command::ViewDetail);
        QCOMPARE(model()->columnCount(), 2);

        frame->commandButton(Command::DigitalChannel)->click();
        QCOMPARE(model()->rowCount(), 16);
    }

    void tableModelPassesTheModelTester() {
        QAbstractItemModelTester tester(model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        open(copyExample());
        trigger(Command::AnalogChannel);
        trigger(Command::SatelliteList);
        trigger(Command::DigitalChannel);
        selectRows({1, 2});
        QTest::keyClick(table(), Qt::Key_Delete);
        trigger(Command::Undo);
        trigger(Command::SortBouquet);
    }

    void messageWindowAndProgressFollowTheCore() {
        IUserInterface& ui = frame->userInterface();
        ui.appendMessage("Connecting...\r\n");
        QVERIFY(frame->messageWindow()->isVisible());
        QVERIFY(frame->action(Command::ViewDialogBar)->isChecked());
        ui.appendMessage("Sent 1\r\n");
        QCOMPARE(frame->messageWindow()->text(), QString("Connecting...\nSent 1\n"));
        ui.appendMessage("CLEAR ALL MESSAGE");
        QCOMPARE(frame->messageWindow()->text(), QString());
        ui.appendMessage("HIDE MESSAGE WINDOW");
        QVERIFY(frame->messageWindow()->isHidden());
        QVERIFY(!frame->action(Command::ViewDialogBar)->isChecked());
        trigger(Command::ViewDialogBar);
        QVERIFY(frame->messageWindow()->isVisible());
        QVERIFY(frame->messageWindow()->edit()->isReadOnly());
        QVERIFY(!(frame->messageWindow()->allowedAreas() & Qt::TopDockWidgetArea));
        // Floated, it takes its own size rather than the list's height.
        frame->messageWindow()->setFloating(true);
        QCOMPARE(frame->messageWindow()->size(), frame->messageWindow()->floatingSize());
        frame->messageWindow()->setFloating(false);
        // Clearing shows the window first.
        ui.hideMessageWindow();
        ui.clearMessages();
        QVERIFY(frame->messageWindow()->isVisible());

        // A status line stands in the idle prompt's place, never over it.
        ui.statusText("Transfer cancelled by the user.");
        QCOMPARE(frame->statusBar()->currentMessage(), QString("Transfer cancelled by the user."));
        QVERIFY(frame->idlePrompt()->isHidden());
        frame->statusBar()->clearMessage();
        QVERIFY(frame->idlePrompt()->isVisible());

        ui.setProgress(40);
        QProgressBar* bar = frame->userInterface().progressBar();
        QVERIFY(bar);
        ui.setProgress(150);
        QCOMPARE(frame->userInterface().progressBar(), bar);
        QCOMPARE(bar->value(), 100);
        ui.endProgress();
        QVERIFY(!frame->userInterface().progressBar());
        ui.endProgress();
    }

    void toolbarAndStatusBarCanBeHidden() {
        trigger(Command::Toolbar);
        QVERIFY(frame->toolBar()->isHidden());
        QVERIFY(!frame->action(Command::Toolbar)->isChecked());
        trigger(Command::StatusBar);
        QVERIFY(frame->statusBar()->isHidden());
        trigger(Command::Toolbar);
        trigger(Command::StatusBar);
        QVERIFY(frame->toolBar()->isVisible());
        QVERIFY(frame->statusBar()->isVisible());
    }

    void listNamedOnTheCommandLineOpensAsOpenDoes() {
        const QString path = copyExample();
        QVERIFY(frame->openFile(path));
        QCOMPARE(frame->windowTitle(), "Skylister : " + path);
        QCOMPARE(model()->rowCount(), 16);
        QVERIFY(dialogs.isEmpty());

        // An invalid file gets Open's messages and leaves the list as it was.
        const QString broken = dir->path() + "/broken.txt";
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[SATELLITE]\r\n0 \"broken\r\n");
        file.close();
        QVERIFY(!frame->openFile(broken));
        QVERIFY(!boxes.isEmpty());
        QCOMPARE(frame->windowTitle(), "Skylister : " + path);
        QCOMPARE(model()->rowCount(), 16);
        QVERIFY(!frame->openFile(dir->path() + "/missing.txt"));
        QCOMPARE(model()->rowCount(), 16);
    }

    void openRecentListsTheLastFiveOpened() {
        QStringList paths;
        for (int n = 0; n < 6; ++n) {
            paths << copyExample(QString("list%1.txt").arg(n));
            QVERIFY(frame->openFile(paths.back()));
        }
        frame->recentFilesMenu()->popup(QPoint(0, 0));
        const QList<QAction*> items = frame->recentFilesMenu()->actions();
        frame->recentFilesMenu()->hide();
        QCOMPARE(items.size(), 5);
        QVERIFY(items[0]->text().endsWith("list5.txt"));
        QVERIFY(items[4]->text().endsWith("list1.txt"));
        items[2]->trigger();
        QCOMPARE(frame->windowTitle(), "Skylister : " + paths[3]);
    }
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::MainWindowTest)
#include "MainWindow_test.moc"
