// Every control of the main window and of each dialog can be told apart by a screen reader and
// reached by the keyboard: a focusable control has an accessible name (its own, its text or its
// label's), a button that shows only an icon has a tooltip too, and every command sits in a menu
// or has a key (those the user can reach at all).

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <functional>

#include "app/AppFixture.h"
#include "app/compare/CompareWindow.h"
#include "app/dialogs/QtDialogRunner.h"

namespace sky::app::test {

namespace {

QString describe(const QWidget* widget) {
    return QString("%1 \"%2\" in %3")
        .arg(widget->metaObject()->className(), widget->objectName(),
             widget->parentWidget() ? widget->parentWidget()->objectName() : QString());
}

// The name a screen reader says for the control: its accessible name, the text it shows or its
// label's (a QLabel buddy).
QString spokenName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    const QString name = accessible ? accessible->text(QAccessible::Name).trimmed() : QString();
    // An inner editor (a spin box's, an editable choice's) is named by its owner.
    QWidget* owner = widget->parentWidget();
    if (name.isEmpty() && owner &&
        (owner->focusProxy() == widget || qobject_cast<QComboBox*>(owner) ||
         qobject_cast<QAbstractSpinBox*>(owner))) {
        return spokenName(owner);
    }
    return name;
}

// The controls under `root` that fail: focusable and nameless, or showing only an icon without a
// name and a tooltip.
QStringList unnamedControls(QWidget* root) {
    QStringList faults;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (widget->isWindow() && widget != root) continue;
        if (!widget->isVisibleTo(root)) continue;
        const bool focusable = (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled();
        if (focusable && !widget->isWindow() && spokenName(widget).isEmpty()) {
            faults << describe(widget) + " has no name";
        }
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (!button || button->icon().isNull()) continue;
        auto* tool = qobject_cast<QToolButton*>(widget);
        const bool iconOnly =
            button->text().isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly);
        if (iconOnly && (button->toolTip().isEmpty() || spokenName(button).isEmpty())) {
            faults << describe(widget) + " shows only an icon without a name and a tooltip";
        }
    }
    return faults;
}

}  // namespace

class AccessibilityTest : public QObject, public AppFixture {
    Q_OBJECT
private slots:
    void init() {
        start();
        open(copyExample());
        QCOMPARE(model()->rowCount(), 16);
    }
    void cleanup() { stop(); }

    void mainWindowControlsHaveNames() {
        trigger(Command::Find);
        const QStringList faults = unnamedControls(frame.get());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    void everyCommandIsInAMenuOrHasAKey() {
        QSet<QAction*> inMenus;
        std::function<void(QMenu*)> collect = [&](QMenu* menu) {
            for (QAction* action : menu->actions()) {
                inMenus << action;
                if (action->menu()) collect(action->menu());
            }
        };
        for (QAction* title : frame->menuBar()->actions()) {
            QVERIFY2(title->text().contains('&'), qPrintable(title->text()));
            if (title->menu()) collect(title->menu());
        }
        QStringList unreachable;
        for (const CommandInfo& info : commandTable()) {
            QAction* action = frame->action(info.id);
            // The commands only the program issues are on no menu, bar or button.
            const QObjectList places = action->associatedObjects();
            const bool offered = std::any_of(places.begin(), places.end(), [this](QObject* place) {
                return place != frame.get();
            });
            if (offered && !inMenus.contains(action) && action->shortcuts().isEmpty()) {
                unreachable << action->text();
            }
        }
        QVERIFY2(unreachable.isEmpty(), qPrintable(unreachable.join(", ")));
    }

    void dialogControlsHaveNames() {
        const QString reference = copyExample("reference.txt");
        QFile conf(dir->path() + "/channels.conf");
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("Zwei HD;ZDF:12120:vC23M5O35S1:S19.2E:27500:6110=27:6120:0:0:11110:1:1011:0\n");
        conf.close();

        QStringList faults;
        int walked = 0;
        auto walkNextDialog = [&] {
            QTimer::singleShot(0, this, [&] {
                auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (!dialog) return;
                ++walked;
                for (const QString& fault : unnamedControls(dialog)) {
                    faults << dialog->windowTitle() + ": " + fault;
                }
                dialog->reject();
            });
        };
        const Command commands[] = {Command::Option,         Command::FindDuplicates,
                                    Command::ApplyOrder,     Command::ImportTransponders,
                                    Command::ImportChannels, Command::RenameChannels,
                                    Command::About};
        files = {reference, conf.fileName()};
        for (const Command command : commands) {
            walkNextDialog();
            trigger(command);
        }

        QtDialogRunner runner(frame.get());
        DigitalChannelDialogData digital;
        AnalogChannelDialogData analog;
        SatelliteDialogData satellite;
        walkNextDialog();
        runner.run(digital);
        walkNextDialog();
        runner.run(analog);
        walkNextDialog();
        runner.run(satellite);
        QCOMPARE(walked, 10);

        files.push_back(reference);
        trigger(Command::CompareWithList);
        auto* compare = frame->findChild<CompareWindow*>();
        QVERIFY(compare);
        faults << unnamedControls(compare);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::AccessibilityTest)
#include "Accessibility_test.moc"
