// The window's layout kept across runs, the header's column menu, lists dropped on the window,
// and Reset Settings.

#include <QDockWidget>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "app/AppFixture.h"
#include "app/frame/MessageWindow.h"
#include "app/list/ColumnHeaderMenu.h"

namespace sky::app::test {

class LayoutTest : public QObject, public AppFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void theLayoutOutlivesTheWindow() {
        open(copyExample());
        const int ownWidth = table()->columnWidth(5);
        table()->setColumnWidth(5, ownWidth + 55);
        table()->setColumnShown(3, false);
        trigger(Command::AnalogChannel);
        table()->setColumnWidth(4, 211);
        frame->addDockWidget(Qt::RightDockWidgetArea, frame->messageWindow());
        frame->messageWindow()->show();
        frame->showNormal();
        frame->setGeometry(30, 20, 700, 500);

        restart();
        // The window's own least width is wider than the offscreen screen: only the height and
        // the top are as saved.
        QCOMPARE(frame->geometry().top(), 20);
        QCOMPARE(frame->geometry().height(), 500);
        QVERIFY(!frame->messageWindow()->isHidden());
        QCOMPARE(frame->dockWidgetArea(frame->messageWindow()), Qt::RightDockWidgetArea);
        open(copyExample());
        QCOMPARE(table()->columnWidth(5), ownWidth + 55);
        QVERIFY(table()->isColumnHidden(3));
        trigger(Command::AnalogChannel);
        QCOMPARE(table()->columnWidth(4), 211);
    }

    void theHeaderMenuHidesAndShowsColumnsAndKeepsOne() {
        open(copyExample());
        trigger(Command::SatelliteNameList);
        std::unique_ptr<QMenu> menu(buildColumnHeaderMenu(*table(), frame.get()));
        QList<QAction*> items = menu->actions();
        QCOMPARE(items.size(), 4);
        QCOMPARE(items[0]->text(), header(0));
        QCOMPARE(items[3]->text(), QString("Reset Columns"));
        items[0]->trigger();
        QVERIFY(table()->isColumnHidden(0));

        // The one column left cannot be hidden.
        menu.reset(buildColumnHeaderMenu(*table(), frame.get()));
        items = menu->actions();
        QVERIFY(!items[0]->isChecked());
        QVERIFY(!items[1]->isEnabled());
        table()->setColumnShown(1, false);
        QVERIFY(!table()->isColumnHidden(1));

        items[3]->trigger();
        QVERIFY(!table()->isColumnHidden(0));
        table()->setColumnWidth(1, 300);
        menu.reset(buildColumnHeaderMenu(*table(), frame.get()));
        menu->actions().back()->trigger();
        QCOMPARE(table()->columnWidth(1), 120);
    }

    void aDroppedFileOpensAfterTheUnsavedQuestion() {
        const QString first = copyExample();
        QVERIFY(!drop({QUrl("https://example.com/channels.txt")}));
        QVERIFY(!drop({QUrl::fromLocalFile(dir->path())}));
        QCOMPARE(model()->rowCount(), 0);

        QVERIFY(drop({QUrl::fromLocalFile(first), QUrl("https://example.com/b.txt")}));
        QTRY_COMPARE(frame->windowTitle(), "Skylister : " + first);

        selectRows({0});
        QTest::keyClick(table(), Qt::Key_Delete);
        const QString second = copyExample("second.txt");
        answers = {Answer::Cancel};
        QVERIFY(drop({QUrl::fromLocalFile(second)}));
        QTRY_COMPARE(boxes, QStringList{"Saving: Saveing  Modified Data!!!"});
        QCOMPARE(frame->windowTitle(), "Skylister : " + first);
        answers = {Answer::No};
        QVERIFY(drop({QUrl::fromLocalFile(second)}));
        QTRY_COMPARE(frame->windowTitle(), "Skylister : " + second);
        QCOMPARE(readAll(first), readAll(exampleList()));
    }

    void resetSettingsAsksAndAppliesTheDefaults() {
        open(copyExample());
        frame->settings().setComPort(3);
        frame->settings().setUndoLevels(120);
        frame->settings().saveColours({1, 2, 3}, {4, 5, 6});
        const int ownWidth = table()->columnWidth(5);
        table()->setColumnWidth(5, ownWidth + 40);
        frame->messageWindow()->show();

        answers = {Answer::No};
        trigger(Command::ResetSettings);
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes.front().startsWith("Reset Settings: Reset All Settings"));
        QCOMPARE(frame->settings().comPort(), 3);

        answers = {Answer::Yes};
        trigger(Command::ResetSettings);
        QCOMPARE(frame->settings().comPort(), 1);
        QCOMPARE(frame->runtime().comPort, 1);
        QCOMPARE(frame->settings().undoLevels(), 5);
        QCOMPARE(frame->table()->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(table()->columnWidth(5), ownWidth);
        QVERIFY(frame->messageWindow()->isHidden());
        // The list opened stays in the recent files.
        QCOMPARE(frame->settings().recentFiles().size(), 1u);
    }

private:
    // Closes the window and starts it anew over the same settings.
    void restart() {
        QVERIFY(frame->close());
        frame.reset();
        frame = std::make_unique<MainWindow>();
        frame->userInterface().answerBoxes = [this](const BoxRequest& box) {
            boxes << box.caption + ": " + box.text;
            return Answer::No;
        };
        frame->documentWindow().answerFileDialogs = [this](bool) -> std::optional<std::string> {
            if (files.empty()) return std::nullopt;
            const QString file = files.front();
            files.pop_front();
            return file.toStdString();
        };
        frame->showPlaced();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    }

    // Drags URLs from elsewhere over the list and drops them, as a file manager does; whether
    // the window took them.
    bool drop(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QWidget* target = table()->viewport();
        const QPoint at = target->rect().center();
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        return dropped.isAccepted() && dropped.dropAction() == Qt::CopyAction;
    }
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::LayoutTest)
#include "Layout_test.moc"
