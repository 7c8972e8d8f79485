// Times the real main window, offscreen, on a channel list (the largest one, written by
// skylister-listgen): start-up to a shown window, Open, one channel edited through its dialog
// with the refresh, delete of 100 selected rows, undo, each sort, scrolling from the top to the
// last row, switching between the digital and the analog view, a keystroke in the find bar's
// text field (with "Show only matching rows") and Enter to the next match, each up to the
// repainted window; Find Duplicates opened, drawn and closed, on the transponders and on the
// digital channels with half of them made copies; Compare with List of the sorted list with its
// file up to the comparison window drawn; then the memory of the running program with the list
// open.
// Usage: QT_QPA_PLATFORM=offscreen window_bench LIST.txt
// The dialog is answered by a scripted runner over the dialog's data (the drawn dialog's own
// time is not included).

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QInputDialog>
#include <QItemSelection>
#include <QLineEdit>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/compare/CompareWindow.h"
#include "app/find/FindBar.h"
#include "app/frame/MainWindow.h"
#include "app/frame/QtDocumentWindow.h"
#include "app/frame/QtUserInterface.h"
#include "app/list/ChannelTableView.h"
#include "db/RecordLayout.h"
#include "editor/dialogs/DialogRunner.h"
#include "editor/document/ListEdit.h"
#include "editor/duplicates/DuplicateGroups.h"
#include "editor/duplicates/DuplicateRemoval.h"
#include "editor/editing/ChannelEditing.h"
#include "editor/model/SectionMap.h"
#include "editor/view/ListView.h"
#include "shell/commands/CommandTable.h"

namespace {

using namespace sky;
using namespace sky::app;
using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The channel dialog answered at once: the name changed, OK.
class RenamingRunner : public IDialogRunner {
public:
    explicit RenamingRunner(IUserInterface& ui) : ui_(ui) {}
    DialogEnd run(DigitalChannelDialogData& data) override {
        data.open();
        data.name = "Renamed" + std::to_string(++count_ % 100);
        return data.finish(DialogEnd::Ok, ui_).value_or(DialogEnd::Cancel);
    }
    DialogEnd run(AnalogChannelDialogData&) override { return DialogEnd::Cancel; }
    DialogEnd run(SatelliteDialogData&) override { return DialogEnd::Cancel; }

private:
    IUserInterface& ui_;
    int count_ = 0;
};

struct Timing {
    double best;
    double median;
};

Timing timeRuns(int runs, const std::function<void()>& prepare, const std::function<void()>& step,
                QWidget& window) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QApplication::processEvents();
        const auto start = Clock::now();
        step();
        // Up to the window drawn anew.
        QApplication::processEvents();
        window.repaint();
        ms.push_back(msSince(start));
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2]};
}

void report(const char* what, Timing t) {
    std::printf("%-44s best %8.1f ms   median %8.1f ms\n", what, t.best, t.median);
}

double statusMb(const char* key) {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key)) {
            return line.mid(static_cast<int>(std::strlen(key)))
                       .trimmed()
                       .split(' ')
                       .front()
                       .toDouble() /
                   1024.0;
        }
    }
    return 0;
}

constexpr int kRuns = 7;

}  // namespace

int main(int argc, char** argv) {
    const auto processStart = Clock::now();
    if (argc != 2) {
        std::fprintf(stderr, "usage: QT_QPA_PLATFORM=offscreen window_bench LIST.txt\n");
        return 2;
    }
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    MainWindow frame;
    frame.resize(1280, 900);
    frame.show();
    if (!QTest::qWaitForWindowExposed(&frame)) return 1;
    frame.repaint();
    std::printf("%-44s %8.1f ms\n", "start-up to a shown window", msSince(processStart));

    frame.userInterface().answerBoxes = [](const BoxRequest& box) {
        std::fprintf(stderr, "box: %s\n", box.text.toUtf8().constData());
        return Answer::No;
    };
    // Settings at 40 satellites: the largest list has them.
    frame.runtime().maxSatellite40 = true;
    RenamingRunner runner(frame.userInterface());
    ChannelEditing editing(runner);
    frame.listView().setChannelEditor(&editing);
    ChannelTableView* table = frame.table();
    const QString path = QString::fromLocal8Bit(argv[1]);

    report("Open (check, load, show)", timeRuns(
                                           3, [] {}, [&] { frame.openFile(path); }, frame));
    const int rows = table->model()->rowCount();
    std::printf("digital view rows %d\n", rows);
    if (rows < 200) return 1;

    report("edit of one channel through its dialog",
           timeRuns(
               kRuns,
               [&] {
                   table->clearSelection();
                   table->scrollTo(table->model()->index(rows / 2, 0),
                                   QAbstractItemView::PositionAtCenter);
               },
               [&] {
                   const QPoint at = table->visualRect(table->model()->index(rows / 2, 0)).center();
                   QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
               },
               frame));
    report("delete of 100 selected rows",
           timeRuns(
               kRuns,
               [&] {
                   QItemSelection selection;
                   for (int i = 0; i < 100; ++i) {
                       const int row = i * (rows / 100);
                       selection.select(table->model()->index(row, 0),
                                        table->model()->index(row, 0));
                   }
                   table->selectionModel()->select(
                       selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
               },
               [&] { QTest::keyClick(table, Qt::Key_Delete); }, frame));
    report("undo", timeRuns(
                       kRuns,
                       [&] {
                           table->clearSelection();
                           table->selectAndFocus(7);
                           QTest::keyClick(table, Qt::Key_Insert);
                       },
                       [&] { frame.action(Command::Undo)->trigger(); }, frame));
    const std::pair<const char*, Command> sorts[] = {
        {"sort by satellite, type, name", Command::SortChannelName},
        {"sort by satellite, type, frequency, name", Command::SortFrequency},
        {"sort by satellite, type, bouquet, name", Command::SortBouquet},
        {"sort by type, name", Command::SortNameOnly},
    };
    for (const auto& [what, id] : sorts) {
        report(what, timeRuns(
                         3, [] {}, [&, id = id] { frame.action(id)->trigger(); }, frame));
    }
    // Ctrl+End moves the selected channels to the bottom: the scroll bar goes to the end instead.
    report("scroll from the top to the last row",
           timeRuns(
               kRuns, [&] { table->scrollToTop(); },
               [&] { table->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum); },
               frame));
    {
        // Move to Number of 1,000 digital channels far apart (every 10th of the first 10,000) to
        // number 1, the number given in the dialog as soon as it shows; each run is taken back
        // with Undo before the next.
        std::vector<std::size_t> scattered;
        for (std::size_t row = 9; scattered.size() < 1000; row += 10) scattered.push_back(row);
        const auto answer = [&frame] {
            QTimer::singleShot(0, &frame, [] {
                if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                    dialog->setIntValue(1);
                    dialog->accept();
                }
            });
        };
        int moves = 0;
        report("Move to Number of 1,000 scattered rows",
               timeRuns(
                   kRuns,
                   [&] {
                       if (moves++ > 0) frame.action(Command::Undo)->trigger();
                       table->selectRows(scattered);
                   },
                   [&] {
                       answer();
                       frame.action(Command::MoveToNumber)->trigger();
                   },
                   frame));
        frame.action(Command::Undo)->trigger();
    }
    {
        // Page Down from the top to the last row, each page drawn.
        table->scrollToTop();
        frame.repaint();
        QScrollBar* bar = table->verticalScrollBar();
        int pages = 0;
        const auto start = Clock::now();
        while (bar->value() < bar->maximum()) {
            bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
            table->viewport()->repaint();
            ++pages;
        }
        const double ms = msSince(start);
        std::printf("%-44s %d pages, %.1f ms a page\n", "scroll page by page to the last row",
                    pages, ms / std::max(pages, 1));
    }
    report("switch to the analog view",
           timeRuns(
               kRuns, [&] { frame.action(Command::DigitalChannel)->trigger(); },
               [&] { frame.action(Command::AnalogChannel)->trigger(); }, frame));
    report("switch to the digital view",
           timeRuns(
               kRuns, [&] { frame.action(Command::AnalogChannel)->trigger(); },
               [&] { frame.action(Command::DigitalChannel)->trigger(); }, frame));

    {
        // The find bar on the digital view, as editor_bench times its rule: each keystroke
        // alternates between two texts (a key typed, then Backspace), so every run shows a new
        // set of rows.
        frame.action(Command::Find)->trigger();
        auto* text = frame.findBar()->findChild<QLineEdit*>("FindText");
        auto* onlyMatching = frame.findBar()->findChild<QCheckBox*>("FindOnlyMatching");
        onlyMatching->setChecked(true);
        for (const auto& [what, texts] :
             {std::pair{"find bar keystroke, most rows match", std::pair{"ch", '1'}},
              std::pair{"find bar keystroke, no row matches", std::pair{"xq", 'z'}}}) {
            text->clear();
            QTest::keyClicks(text, texts.first);
            int keystroke = 0;
            report(what, timeRuns(
                             kRuns, [] {},
                             [&, key = texts.second] {
                                 if (keystroke++ % 2) {
                                     QTest::keyClick(text, Qt::Key_Backspace);
                                 } else {
                                     QTest::keyClick(text, key);
                                 }
                             },
                             frame));
        }
        onlyMatching->setChecked(false);
        text->clear();
        QTest::keyClicks(text, "7");
        report("find bar next match (Enter)",
               timeRuns(
                   kRuns, [] {}, [&] { QTest::keyClick(text, Qt::Key_Return); }, frame));
        QTest::keyClick(text, Qt::Key_Escape);
        // Find Duplicates from the command to the dialog drawn, then closed.
        const auto openDuplicates = [&] {
            QTimer::singleShot(0, &frame, [] {
                if (QWidget* dialog = QApplication::activeModalWidget()) {
                    dialog->repaint();
                    dialog->close();
                }
            });
            frame.action(Command::FindDuplicates)->trigger();
        };
        const auto groups = [&](DuplicateSection section) {
            return findDuplicates(frame.document().list().tokens(), section, DuplicateMatch::Exact)
                .size();
        };
        frame.action(Command::DigitalTpList)->trigger();
        std::printf("transponder groups of duplicates %zu\n",
                    groups(DuplicateSection::Transponder));
        report("open Find Duplicates on the transponders",
               timeRuns(
                   kRuns, [] {}, openDuplicates, frame));
        // Every second digital channel becomes a copy of the one before it.
        ListDocument& list = frame.document().list();
        list.edit(
            "Copies",
            [](ListEdit& edit) {
                TokenArray& tokens = edit.tokens();
                const SectionSpan channels = locateSections(tokens)[kChannelSection];
                for (std::size_t cell = channels.begin + kChannelFields;
                     cell + kChannelFields <= channels.end; cell += 2 * kChannelFields) {
                    for (const std::size_t field :
                         {kChTpIndex, kChSatIndex, kChServiceId, kChBlank}) {
                        tokens[cell + field] = tokens[cell - kChannelFields + field];
                    }
                }
                return true;
            },
            Renumber::No);
        frame.action(Command::DigitalChannel)->trigger();
        std::printf("digital channel groups of duplicates %zu\n",
                    groups(DuplicateSection::Digital));
        report("open Find Duplicates on the digital channels",
               timeRuns(
                   kRuns, [] {}, openDuplicates, frame));
        // Remove Duplicates of 1,000 copies (the first 1,000 groups of two), the table shown
        // anew; each run is taken back with Undo before the next.
        std::vector<DuplicateGroup> thousand;
        int removals = 0;
        report("Remove Duplicates of 1,000 rows",
               timeRuns(
                   kRuns,
                   [&] {
                       if (removals++ > 0) frame.action(Command::Undo)->trigger();
                       thousand = findDuplicates(list.tokens(), DuplicateSection::Digital,
                                                 DuplicateMatch::Exact);
                       thousand.resize(std::min<std::size_t>(thousand.size(), 1000));
                   },
                   [&] { removeDuplicates(list, thousand); }, frame));
        frame.action(Command::Undo)->trigger();
    }

    // Compare with List: the list as sorted above against its file, up to the comparison window
    // drawn. Last, as the open window compares the list again after every edit.
    frame.documentWindow().answerFileDialogs = [&](bool) {
        return std::optional<std::string>(path.toStdString());
    };
    report("Compare with List (read, compare, window)",
           timeRuns(
               3, [] {},
               [&] {
                   frame.action(Command::CompareWithList)->trigger();
                   if (auto* window = frame.findChild<CompareWindow*>()) window->repaint();
               },
               frame));
    std::printf("resident set size with the list open %.1f MB (peak %.1f MB)\n", statusMb("VmRSS:"),
                statusMb("VmHWM:"));
    frame.listView().setChannelEditor(nullptr);
    // No question on the way out.
    frame.listView().model().markSaved();
    return 0;
}
