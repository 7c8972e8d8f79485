// Editing through the window: double-click, the keys, the pop-up menu, dragging rows, undo and
// redo with their menu texts and keys, and the sort commands.

#include <QInputDialog>
#include <QMenu>
#include <QMimeData>
#include <QTimer>

#include "app/AppFixture.h"
#include "editor/editing/ChannelEditing.h"

namespace sky::app::test {

class EditingTest : public QObject, public AppFixture {
    Q_OBJECT
private slots:
    void init() {
        start();
        runner = std::make_unique<RenamingRunner>(frame->userInterface());
        editing = std::make_unique<ChannelEditing>(*runner);
        frame->listView().setChannelEditor(editing.get());
        open(copyExample());
        QCOMPARE(model()->rowCount(), 16);
    }
    void cleanup() {
        if (frame) frame->listView().setChannelEditor(nullptr);
        editing.reset();
        runner.reset();
        stop();
    }

    void doubleClickEditsTheChannelInItsDialog() {
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, rowCentre(1));
        QCOMPARE(runner->shown, std::vector<std::string>{"BR Sued"});
        QCOMPARE(cell(1, 5), QString("Edited"));
        QCOMPARE(undoText(), QString("Undo (1 - Setting channel)"));
        QCOMPARE(table()->selectedRows(), std::vector<std::size_t>{1});

        trigger(Command::Undo);
        QCOMPARE(cell(1, 5), QString("BR Sued"));
        QCOMPARE(undoText(), QString("Undo Disable"));
        QVERIFY(!frame->action(Command::Undo)->isEnabled());
    }

    void doubleClickOnAnEmptyAreaStartsANewChannel() {
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {},
                           QPoint(10, table()->viewport()->height() - 5));
        QCOMPARE(runner->shown, std::vector<std::string>{"<new>"});
        QCOMPARE(model()->rowCount(), 16);
    }

    void functionKeysInsertAndDeleteEditTheSelectedRows() {
        QTest::keyClick(table(), Qt::Key_F2);
        QCOMPARE(runner->shown, std::vector<std::string>{"<new>"});

        selectRows({0, 2});
        QTest::keyClick(table(), Qt::Key_Delete);
        QCOMPARE(model()->rowCount(), 14);
        QCOMPARE(cell(0, 5), QString("BR Sued"));
        QCOMPARE(cell(1, 5), QString("ZDF"));
        QCOMPARE(undoText(), QString("Undo (1 - Delete Channel)"));

        selectRows({0, 1});
        QTest::keyClick(table(), Qt::Key_Insert);
        QCOMPARE(model()->rowCount(), 16);
        QCOMPARE(cell(1, 5), QString("_"));
        QCOMPARE(cell(2, 5), QString("_"));

        selectRows({0});
        QTest::keyClick(table(), Qt::Key_F3);
        QCOMPARE(model()->rowCount(), 15);
        QVERIFY(frame->action(Command::Paste)->isEnabled());
        selectRows({3});
        QTest::keyClick(table(), Qt::Key_F4);
        QCOMPARE(model()->rowCount(), 16);
        QCOMPARE(cell(3, 5), QString("BR Sued"));
        QVERIFY(!frame->action(Command::Paste)->isEnabled());
        QCOMPARE(undoText(), QString("Undo (4 - Paste Channel)"));

        // The menu items post the same keys.
        selectRows({3});
        trigger(Command::Delete);
        QCOMPARE(model()->rowCount(), 15);
        QCOMPARE(undoText(), QString("Undo (5 - Delete Channel)"));
    }

    void aColumnWidthTheUserSetSurvivesEditsAndViewSwitchesUntilViewDetail() {
        const int ownWidth = table()->columnWidth(5);
        table()->setColumnWidth(5, ownWidth + 77);
        selectRows({0});
        QTest::keyClick(table(), Qt::Key_Delete);
        trigger(Command::Undo);
        QCOMPARE(table()->columnWidth(5), ownWidth + 77);
        trigger(Command::AnalogChannel);
        trigger(Command::DigitalChannel);
        QCOMPARE(table()->columnWidth(5), ownWidth + 77);
        // View Detail brings the program's own widths back.
        trigger(Command::ViewDetail);
        QCOMPARE(table()->columnWidth(5), ownWidth);
    }

    void popUpMenuIsTheEditChannelMenu() {
        QMenu* shown = nullptr;
        QTimer::singleShot(0, this, [&shown] {
            shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (shown) shown->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, rowCentre(2),
                                table()->viewport()->mapToGlobal(rowCentre(2)));
        QApplication::sendEvent(table()->viewport(), &event);
        QCOMPARE(shown, frame->editChannelMenu());
        QCOMPARE(shown->actions().front()->text(), QString("&New (F2)"));
    }

    void droppingRowsMovesThemAboveTheTargetRow() {
        selectRows({1, 2, 3});
        drop(8);
        QCOMPARE(names().mid(0, 8), (QStringList{"Das Erste", "3sat", "DLF Kultur", "RTL", "--",
                                                 "BR Sued", "hr-fernsehen", "ZDF"}));
        QCOMPARE(undoText(), QString("Undo (1 - Group Move)"));

        // A drop below the last row moves nothing.
        const QStringList before = names();
        selectRows({0});
        drop(-1);
        QCOMPARE(names(), before);
        // Nor does a drop of another table's rows.
        selectRows({0});
        drop(5, false);
        QCOMPARE(names(), before);
    }

    void movesKeepTheSelectionOnTheMovedRows() {
        // Ctrl+Down reaches the move from the table, whose own Ctrl+arrow navigation must not
        // take it.
        selectRows({0, 2});
        QTest::keyClick(table(), Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(names().mid(0, 4), (QStringList{"BR Sued", "Das Erste", "ZDF", "hr-fernsehen"}));
        QCOMPARE(table()->selectedRows(), (std::vector<std::size_t>{1, 3}));
        QCOMPARE(undoText(), QString("Undo (1 - Group Move)"));
        // The same keys in the find bar's text field move nothing.
        trigger(Command::Find);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(undoText(), QString("Undo (1 - Group Move)"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

        // Move to Number asks in a dialog that takes only the numbers of the range it names.
        QString prompt;
        int last = 0;
        QTimer::singleShot(0, this, [&prompt, &last] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            prompt = dialog->labelText();
            last = dialog->intMaximum();
            dialog->setIntValue(10);
            dialog->accept();
        });
        trigger(Command::MoveToNumber);
        QVERIFY(prompt.contains(QString("- %1)").arg(last)));
        QCOMPARE(names().mid(9, 2), (QStringList{"Das Erste", "hr-fernsehen"}));
        QCOMPARE(cell(9, 0), QString("10"));
        QCOMPARE(table()->selectedRows(), (std::vector<std::size_t>{9, 10}));
        QCOMPARE(undoText(), QString("Undo (2 - Group Move)"));
    }

    void sortCommandsReorderTheChannels() {
        trigger(Command::SortChannelName);
        QCOMPARE(cell(0, 5), QString("--"));
        QCOMPARE(cell(1, 5), QString("3sat"));
        QVERIFY(frame->action(Command::ToggleAscendingNames)->isChecked());
        trigger(Command::ToggleAscendingNames);
        QVERIFY(!frame->action(Command::ToggleAscendingNames)->isChecked());
        trigger(Command::SortChannelName);
        QCOMPARE(cell(0, 5), QString("ZDF"));
        // Each sort is a step to undo.
        QCOMPARE(undoText(), QString("Undo (2 - Sort Channel)"));
        QVERIFY(frame->listView().model().hasUnsavedChanges());
        trigger(Command::SortFrequency);
        QCOMPARE(cell(0, 11), QString());  // the null channel has no transponder
        QCOMPARE(cell(1, 11), QString("11836"));
    }

    void redoPutsBackWhatUndoTookBack() {
        QCOMPARE(frame->action(Command::Redo)->text(), QString("Redo Disable"));
        QVERIFY(!frame->action(Command::Redo)->isEnabled());
        selectRows({0});
        QTest::keyClick(table(), Qt::Key_Delete);
        trigger(Command::Undo);
        QCOMPARE(cell(0, 5), QString("Das Erste"));
        QCOMPARE(frame->action(Command::Redo)->text(), QString("Redo (1 - Delete Channel)"));
        QTest::keyClick(table(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(cell(0, 5), QString("BR Sued"));
        QCOMPARE(undoText(), QString("Undo (1 - Delete Channel)"));
        QCOMPARE(frame->action(Command::Redo)->text(), QString("Redo Disable"));
        trigger(Command::Undo);
        QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(cell(0, 5), QString("BR Sued"));
    }

    void editingCanBeSwitchedOff() {
        trigger(Command::ToggleEdit);
        QVERIFY(!frame->action(Command::ToggleEdit)->isChecked());
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, rowCentre(1));
        QVERIFY(runner->shown.empty());
    }

private:
    // Drops the dragged selection on a row (-1: below the last row). A drag of the table's own
    // rows reaches the model as Qt hands it over (an offscreen test cannot start a real drag,
    // whose source Qt checks); a drop event from elsewhere goes through the table, which must
    // refuse it since its source is not the table.
    void drop(int row, bool ownRows = true) {
        ChannelTableModel* model = table()->tableModel();
        if (ownRows) {
            std::unique_ptr<QMimeData> data(
                model->mimeData(table()->selectionModel()->selectedIndexes()));
            const QModelIndex on = row >= 0 ? model->index(row, 0) : QModelIndex();
            model->dropMimeData(data.get(), Qt::MoveAction, -1, -1, on);
            return;
        }
        const QPoint at = rowCentre(row);
        QMimeData data;
        data.setData(ChannelTableModel::kRowsMimeType, {});
        QDragEnterEvent enter(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table()->viewport(), &enter);
        QDropEvent event(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table()->viewport(), &event);
        QVERIFY(!event.isAccepted());
    }

    std::unique_ptr<RenamingRunner> runner;
    std::unique_ptr<ChannelEditing> editing;
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::EditingTest)
#include "Editing_test.moc"
