// Times the main window as the user sees it, on a real display (run by window_xvfb_bench.sh under
// Xvfb with a window manager): each step from the user's action until the window has been drawn
// anew and shown, that is until the last paint that follows the action has reached the display.
// Steps on the largest list (written by skylister-listgen): Open, a keystroke in the find bar's
// text field (with "Show only matching rows"), a sort, undo and redo of the sort, Apply Order
// (from its dialog's Apply) and its undo, Compare with List up to the comparison window drawn,
// and a sort and its undo once that window is closed; beside them the list drawn anew alone.
// Usage: QT_QPA_PLATFORM=xcb window_paint_bench LIST.txt (offscreen works too, for comparison).

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/compare/CompareWindow.h"
#include "app/find/FindBar.h"
#include "app/frame/MainWindow.h"
#include "app/frame/QtDocumentWindow.h"
#include "app/frame/QtUserInterface.h"
#include "app/list/ChannelTableView.h"
#include "db/FileIo.h"
#include "editor/order/OrderReference.h"
#include "editor/view/ListView.h"
#include "shell/commands/CommandTable.h"

namespace {

using namespace sky;
using namespace sky::app;
using Clock = std::chrono::steady_clock;

// The application that notes when it last finished drawing: a window's update request paints
// its widgets and hands the picture to the display; an expose of a new window does the same.
class PaintClockApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        const QEvent::Type type = event->type();
        const bool result = QApplication::notify(receiver, event);
        if (type == QEvent::UpdateRequest || type == QEvent::Paint || type == QEvent::Expose) {
            lastPaint = Clock::now();
        }
        return result;
    }

    Clock::time_point lastPaint;
};

PaintClockApplication* paintClock() {
    return static_cast<PaintClockApplication*>(QCoreApplication::instance());
}

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Runs the events until nothing has been drawn for a while; the end of the last paint after
// `start`, or the present moment when nothing was drawn.
Clock::time_point settle(Clock::time_point start) {
    constexpr int kQuietMs = 150;
    Clock::time_point seen;
    do {
        seen = paintClock()->lastPaint;
        QTest::qWait(kQuietMs);
    } while (paintClock()->lastPaint != seen);
    return seen > start ? seen : Clock::now();
}

// One step's times: from the action to the window drawn anew, and of that the action's own call
// (the rest is the events it posted, the layout and the paint).
struct Step {
    double total;
    double action;
};

Step timeStep(const std::function<void()>& action) {
    settle(Clock::now());
    const auto start = Clock::now();
    action();
    const auto returned = Clock::now();
    return {msBetween(start, settle(start)), msBetween(start, returned)};
}

struct Figures {
    std::vector<Step> steps;
    void add(Step step) { steps.push_back(step); }
};

void report(const char* what, Figures figures) {
    std::vector<Step>& steps = figures.steps;
    std::sort(steps.begin(), steps.end(),
              [](const Step& a, const Step& b) { return a.total < b.total; });
    const Step& median = steps[steps.size() / 2];
    std::printf("%-42s best %7.1f ms  median %7.1f ms (of which the action %7.1f ms)\n", what,
                steps.front().total, median.total, median.action);
}

constexpr int kRuns = 5;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: QT_QPA_PLATFORM=xcb window_paint_bench LIST.txt\n");
        return 2;
    }
    PaintClockApplication app(argc, argv);
    // No blinking cursor in the find bar: its paints would never let the window settle.
    QApplication::setCursorFlashTime(0);
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    MainWindow frame;
    frame.resize(1280, 900);
    frame.show();
    if (!QTest::qWaitForWindowExposed(&frame)) return 1;
    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    frame.userInterface().answerBoxes = [](const BoxRequest& box) {
        std::fprintf(stderr, "box: %s\n", box.text.toUtf8().constData());
        return Answer::No;
    };
    // Settings at 40 satellites: the largest list has them.
    frame.runtime().maxSatellite40 = true;
    const QString path = QString::fromLocal8Bit(argv[1]);

    Figures open;
    for (int i = 0; i < 3; ++i) {
        frame.listView().model().markSaved();
        open.add(timeStep([&] { frame.openFile(path); }));
    }
    report("Open", open);
    std::printf("digital view rows %d\n", frame.table()->model()->rowCount());

    {
        Figures paint;
        for (int i = 0; i < kRuns; ++i) {
            paint.add(timeStep([&] { frame.table()->viewport()->update(); }));
        }
        report("the list drawn anew (paint alone)", paint);
    }

    {
        // Each keystroke alternates between two texts (a key typed, then Backspace), so every run
        // shows a new set of rows.
        frame.action(Command::Find)->trigger();
        auto* text = frame.findBar()->findChild<QLineEdit*>("FindText");
        frame.findBar()->findChild<QCheckBox*>("FindOnlyMatching")->setChecked(true);
        for (const auto& [what, typed, key] :
             {std::tuple{"find keystroke, most rows match", "ch", Qt::Key_1},
              std::tuple{"find keystroke, no row matches", "xq", Qt::Key_Z}}) {
            text->clear();
            QTest::keyClicks(text, typed);
            Figures keystrokes;
            for (int i = 0; i < 2 * kRuns; ++i) {
                keystrokes.add(timeStep(
                    [&, key = key] { QTest::keyClick(text, i % 2 ? Qt::Key_Backspace : key); }));
            }
            report(what, keystrokes);
        }
        QTest::keyClick(text, Qt::Key_Escape);
    }

    {
        Figures sort, undo, redo;
        for (int i = 0; i < kRuns; ++i) {
            sort.add(timeStep([&] { frame.action(Command::SortFrequency)->trigger(); }));
            undo.add(timeStep([&] { frame.action(Command::Undo)->trigger(); }));
            redo.add(timeStep([&] { frame.action(Command::Redo)->trigger(); }));
            frame.action(Command::Undo)->trigger();
        }
        report("sort by satellite, type, frequency, name", sort);
        report("undo of the sort", undo);
        report("redo of the sort", redo);
    }

    {
        // The reference: the digital channels in the frequency sort's order.
        frame.action(Command::SortFrequency)->trigger();
        QTemporaryDir referenceDir;
        const std::string reference = referenceDir.filePath("order.csv").toStdString();
        if (!writeWholeFile(reference, referenceText(frame.document().list().tokens(), true))) {
            return 1;
        }
        frame.action(Command::Undo)->trigger();
        frame.documentWindow().answerFileDialogs = [&](bool) {
            return std::optional<std::string>(reference);
        };
        Figures apply, undo;
        for (int i = 0; i < kRuns; ++i) {
            // Timed from the dialog's Apply.
            Clock::time_point applied;
            QTimer::singleShot(0, &frame, [&] {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    (void)QTest::qWaitForWindowExposed(dialog);
                    applied = Clock::now();
                    dialog->accept();
                }
            });
            frame.action(Command::ApplyOrder)->trigger();
            const auto returned = Clock::now();
            apply.add({msBetween(applied, settle(applied)), msBetween(applied, returned)});
            undo.add(timeStep([&] { frame.action(Command::Undo)->trigger(); }));
        }
        report("Apply Order (from Apply)", apply);
        report("undo of Apply Order", undo);
    }

    {
        // Compare with List: the sorted list against its file, up to the comparison window drawn;
        // the window is closed between runs. Then a sort and its undo with the window closed.
        frame.action(Command::SortChannelName)->trigger();
        frame.documentWindow().answerFileDialogs = [&](bool) {
            return std::optional<std::string>(path.toStdString());
        };
        Figures compare, sort, undo;
        for (int i = 0; i < 3; ++i) {
            compare.add(timeStep([&] {
                frame.action(Command::CompareWithList)->trigger();
                if (auto* window = frame.findChild<CompareWindow*>()) {
                    (void)QTest::qWaitForWindowExposed(window);
                }
            }));
            frame.findChild<CompareWindow*>()->close();
            sort.add(timeStep([&] { frame.action(Command::SortFrequency)->trigger(); }));
            undo.add(timeStep([&] { frame.action(Command::Undo)->trigger(); }));
        }
        report("Compare with List (to the window drawn)", compare);
        report("sort, the comparison window closed", sort);
        report("undo of the sort, the comparison closed", undo);
    }
    // No question on the way out.
    frame.listView().model().markSaved();
    return 0;
}
