#pragma once

#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>

#include "app/frame/HelpWindow.h"
#include "common/RuntimeSettings.h"
#include "shell/DocumentCommands.h"
#include "shell/Settings.h"
#include "shell/commands/CommandRouter.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QToolBar;

namespace sky {
class ListView;
}

namespace sky::app {

class ChannelEditingWiring;
class ChannelTableView;
class FindBar;
class MessageWindow;
class OptionDialog;
class QtDocumentWindow;
class QtSettingsStore;
class QtUserInterface;
class WindowLayout;

// The main window: the menu, the toolbar, the command bar of eight buttons in two
// rows, the status bar with the command prompts and the progress indicator, the message window,
// and the list in the client area. It creates the document and the list view, binds every
// command to its handler (bindCommands) and updates the commands' states after each.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `store` keeps the settings; by default QSettings (organisation "Orvel", application
    // "Skylister").
    explicit MainWindow(std::unique_ptr<ISettingsStore> store = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    DocumentCommands& document() { return *doc_; }
    ListView& listView() { return *view_; }
    ChannelTableView* table() const { return table_; }
    FindBar* findBar() const { return findBar_; }
    QtUserInterface& userInterface() { return *ui_; }
    QtDocumentWindow& documentWindow() { return *window_; }
    MessageWindow* messageWindow() const { return messages_; }
    QToolBar* toolBar() const { return toolBar_; }
    QToolBar* commandBar() const { return commandBar_; }
    QMenu* editChannelMenu() const { return editMenu_; }
    QMenu* recentFilesMenu() const { return recentMenu_; }
    QLabel* idlePrompt() const { return idlePrompt_; }
    // The command's action in the menu and toolbar, or the command bar's button.
    QAction* action(Command id) const;
    QPushButton* commandButton(Command id) const;
    Settings& settings() { return *settings_; }
    RuntimeSettings& runtime() { return runtime_; }
    // The max-satellite flag: 40 satellite names instead of 32.
    bool maxSatellite40() const { return runtime_.maxSatellite40; }
    WindowLayout& windowLayout() { return *layout_; }
    // Shows the window as it was when it last closed (maximised on the first start).
    void showPlaced();

    // Runs a command as its menu item does, then updates every command's state.
    void runCommand(Command id);
    void updateCommands();
    // Opens a list named on the command line, as Open does once the file is chosen.
    bool openFile(const QString& path);

    // The modal windows; each returns when it closes.
    bool runOptionDialog();
    void showAbout();
    void showHelp();
    HelpWindow* helpWindow() const { return help_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Binds each command to the one handler that carries it out: the document's, the list
    // view's, and the window's own (bars, print, help, about, the find bar...).
    void bindCommands();
    void createActions();
    // The command's keys, on its action or, for the list's keys, on the list.
    void addKeys(const CommandInfo& info, QAction& action);
    void createMenus();
    void createToolBar();
    void createCommandBar();
    void createStatusBar();
    void rebuildRecentFiles();
    // Says once in a run that the settings could not be written.
    void reportSettingsProblem();
    void applyListColours();
    // A transfer starts or has ended: the commands, the list's editing and the Cancel button.
    void transferRunningChanged(bool running);
    // After every command: the commands' states, the settings' problem, a pending close.
    void afterCommand();

    std::unique_ptr<ISettingsStore> store_;
    std::unique_ptr<Settings> settings_;
    RuntimeSettings runtime_;
    MessageWindow* messages_ = nullptr;
    std::unique_ptr<QtUserInterface> ui_;
    std::unique_ptr<QtDocumentWindow> window_;
    std::unique_ptr<DocumentCommands> doc_;
    ChannelTableView* table_ = nullptr;
    FindBar* findBar_ = nullptr;
    std::unique_ptr<ListView> view_;
    std::unique_ptr<ChannelEditingWiring> editing_;

    std::unique_ptr<CommandRouter> router_;
    std::unique_ptr<WindowLayout> layout_;

    std::map<Command, QAction*> actions_;
    std::map<Command, QPushButton*> buttons_;
    QToolBar* toolBar_ = nullptr;
    QToolBar* commandBar_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QLabel* idlePrompt_ = nullptr;
    QPointer<HelpWindow> help_;
    // The window was asked to close while a transfer ran: it closes once the command ends.
    bool closePending_ = false;
};

}  // namespace sky::app
