#include "app/frame/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>
#include <algorithm>
#include <functional>

#include "app/compare/CompareWindow.h"
#include "app/desktop/FileChangeNotice.h"
#include "app/dialogs/CheckTranspondersWindow.h"
#include "app/dialogs/DuplicatesDialog.h"
#include "app/dialogs/RenameChannelsDialog.h"
#include "app/find/FindBar.h"
#include "app/frame/AboutBox.h"
#include "app/frame/ChannelEditingWiring.h"
#include "app/frame/FileDrop.h"
#include "app/frame/HelpWindow.h"
#include "app/frame/Icons.h"
#include "app/frame/LockKeyPanes.h"
#include "app/frame/MessageWindow.h"
#include "app/frame/QtDocumentWindow.h"
#include "app/frame/QtUserInterface.h"
#include "app/frame/ResetSettings.h"
#include "app/frame/WindowLayout.h"
#include "app/list/ChannelTableView.h"
#include "app/list/ListArea.h"
#include "app/list/ListZoom.h"
#include "app/print/ListPrinter.h"
#include "app/settings/OptionDialog.h"
#include "app/settings/QtSettingsStore.h"
#include "editor/view/ListView.h"
#include "serial/SerialDevices.h"
#include "shell/OptionDialogData.h"
#include "shell/commands/DocumentCommandBindings.h"
#include "shell/commands/FileCommandBindings.h"
#include "shell/commands/ListCommandBindings.h"

namespace sky::app {

namespace {

// The status prompt (before "\n") and the tooltip (after it) of a command prompt.
std::pair<QString, QString> splitPrompt(const char* prompt) {
    const QString text = QString::fromUtf8(prompt);
    const qsizetype newline = text.indexOf('\n');
    if (newline < 0) return {text, QString()};
    return {text.left(newline), text.mid(newline + 1)};
}

// The command that shows the list the view shows now (after new colours).
Command commandShowing(const ListView& view) {
    switch (view.viewKind()) {
        case ViewKind::Detail:
            return view.digitalFlag() ? Command::DigitalChannel : Command::AnalogChannel;
        case ViewKind::SatelliteNameList:
            return Command::SatelliteNameList;
        case ViewKind::SatelliteList:
            return Command::SatelliteList;
        case ViewKind::DigitalTpList:
            return Command::DigitalTpList;
        case ViewKind::AnalogChannelList:
            return Command::AnalogChannelList;
        case ViewKind::DigitalChannelList:
            return Command::DigitalChannelList;
        case ViewKind::DigitalPidChannelList:
            return Command::DigitalPidChannelList;
    }
    return Command::DigitalChannel;
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<ISettingsStore> store, QWidget* parent)
    : QMainWindow(parent), store_(std::move(store)) {
    initSkylisterResources();
    if (!store_) store_ = std::make_unique<QtSettingsStore>();
    settings_ = std::make_unique<Settings>(*store_);
    setObjectName("MainFrame");
    setWindowIcon(programIcon());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = screen->availableSize();
        setGeometry(0, 0, std::max(640, size.width() - 100), std::max(480, size.height() - 50));
    }

    messages_ = new MessageWindow(this);
    ui_ = std::make_unique<QtUserInterface>(*this, *messages_);
    window_ = std::make_unique<QtDocumentWindow>(*this);
    // The document's temporary directory is the serial code's private one, where the upload
    // file is written.
    doc_ = std::make_unique<DocumentCommands>(*ui_, *window_, *settings_, runtime_,
                                              DocumentCommands::privateTemporaryDirectory());
    window_->transferRunningChanged = [this](bool running) { transferRunningChanged(running); };
    table_ = new ChannelTableView(this);
    table_->setObjectName("ChannelList");
    table_->setWhatsThis(
        "The channel list. Double-click a channel to edit it; F2 new, F3 cut, F4 paste, Insert "
        "null channels, Delete; drag rows to move them.");
    view_ = std::make_unique<ListView>(*table_, *ui_, doc_->list());
    router_ = std::make_unique<CommandRouter>(*doc_);
    table_->attachView(*view_);
    editing_ = std::make_unique<ChannelEditingWiring>(this, *view_);
    auto* listArea = new ListArea(*table_, *view_, this);
    findBar_ = listArea->findBar();
    window_->comparisonReady = [this](std::shared_ptr<OpenComparison> comparison) {
        CompareWindow::showIn(*this, doc_->list(), *view_, std::move(comparison));
    };
    setCentralWidget(listArea);

    bindCommands();
    createActions();
    createMenus();
    createToolBar();
    createCommandBar();
    createStatusBar();
    new FileChangeNotice(*this);

    addDockWidget(Qt::LeftDockWidgetArea, messages_);
    messages_->hide();
    layout_ = std::make_unique<WindowLayout>(*this, *store_, *table_, *messages_);
    // A list dropped from a file manager opens as Open Recent opens it.
    new FileDrop(
        *this, [this] { return router_->state(Command::Open).enabled; },
        [this](const QString& path) {
            doc_->openRecentFile(path.toStdString());
            afterCommand();
        });
    connect(messages_, &QDockWidget::visibilityChanged, this, [this] { updateCommands(); });
    connect(table_, &ChannelTableView::listChanged, this, [this] { updateCommands(); });
    connect(table_, &ChannelTableView::contextMenuRequested, this,
            [this](const QPoint& at) { editMenu_->exec(at); });
    connect(table_->tableModel(), &QAbstractItemModel::modelReset, this,
            [this] { updateCommands(); });

    // The frame reads the port, the devices and the undo levels from the settings when it is
    // created.
    settings_->loadInto(runtime_);
    doc_->list().undoHistory().setDepth(runtime_.undoLevels);
    applyListColours();
    setWindowTitle("Skylister : Untitled");
    updateCommands();
}

MainWindow::~MainWindow() {
    // The view goes before the widget it reads from: the widget lets go of it first.
    disconnect(messages_, nullptr, this, nullptr);
    // The comparison window observes the document: it goes first.
    delete findChild<CompareWindow*>(QString(), Qt::FindDirectChildrenOnly);
    delete findChild<CheckTranspondersWindow*>(QString(), Qt::FindDirectChildrenOnly);
    table_->detachView();
    editing_.reset();
    router_.reset();
    view_.reset();
}

void MainWindow::bindCommands() {
    CommandRouter& router = *router_;
    bindDocumentCommands(router, *doc_);
    bindListCommands(router, *view_, *window_);
    bindFileCommands(router, {*doc_, *view_, *table_});
    const auto checked = [](const std::function<bool()>& isChecked) {
        return [isChecked] {
            CommandState state;
            state.enabled = true;
            state.checked = isChecked();
            return state;
        };
    };
    router.bind(Command::Exit, {{}, [this] { close(); }});
    router.bind(Command::Toolbar, {checked([this] { return !toolBar_->isHidden(); }),
                                   [this] { toolBar_->setVisible(toolBar_->isHidden()); }});
    router.bind(Command::StatusBar, {checked([this] { return !statusBar()->isHidden(); }),
                                     [this] { statusBar()->setVisible(statusBar()->isHidden()); }});
    router.bind(Command::ViewDialogBar, {checked([this] { return !messages_->isHidden(); }),
                                         [this] { messages_->showNow(messages_->isHidden()); }});
    router.bind(Command::Print, {{}, [this] { ListPrinter(*this).print(); }});
    router.bind(Command::PrintPreview, {{}, [this] { ListPrinter(*this).preview(); }});
    router.bind(Command::ExportPdf, {{}, [this] { ListPrinter(*this).exportPdf(); }});
    router.bind(Command::Option, {{}, [this] { runOptionDialog(); }});
    router.bind(Command::HelpTopics, {{}, [this] { showHelp(); }});
    router.bind(Command::ContextHelp, {{}, [] { QWhatsThis::enterWhatsThisMode(); }});
    router.bind(Command::About, {{}, [this] { showAbout(); }});
    router.bind(Command::Find, {{}, [this] { findBar_->open(); }});
    router.bind(Command::ResetSettings, {{}, [this] { resetSettings(*this); }});
    router.bind(Command::FindDuplicates,
                {{}, [this] { runDuplicatesDialog(doc_->list(), *view_, this); }});
    router.bind(
        Command::RenameChannels,
        {[this] {
             CommandState state;
             state.enabled = showsChannels(view_->viewKind());
             return state;
         },
         [this] { runRenameChannelsDialog(doc_->list(), *view_, table_->selectedRows(), this); }});
    for (const Command zoom : {Command::ZoomIn, Command::ZoomOut, Command::ZoomReset}) {
        router.bind(zoom, {{}, [this, zoom] { zoomList(*settings_, *table_, zoom); }});
    }
    router.bind(Command::CheckTransponders, {{}, [this] {
                                                 CheckTranspondersWindow::showIn(
                                                     *this, doc_->list(), *view_, *settings_,
                                                     documentWindow());
                                             }});
}

QAction* MainWindow::action(Command id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

QPushButton* MainWindow::commandButton(Command id) const {
    const auto found = buttons_.find(id);
    return found == buttons_.end() ? nullptr : found->second;
}

void MainWindow::addKeys(const CommandInfo& info, QAction& action) {
    const QList<QKeySequence> keys = QKeySequence::listFromString(QString::fromUtf8(info.shortcut));
    if (info.keyScope == KeyScope::Window) {
        action.setShortcuts(keys);
        return;
    }
    // The list's keys work while the list has the focus: in the find bar's text field, Ctrl+C,
    // Ctrl+arrows, Ctrl+Home/End and Delete stay the field's and touch no channel.
    if (QString::fromUtf8(info.text).contains('\t')) {
        // The menu shows the key after the text.
        action.setShortcuts(keys);
        action.setShortcutContext(Qt::WidgetWithChildrenShortcut);
        table_->addAction(&action);
        return;
    }
    // The menu text names the key itself ("&New (F2)"), or none: the key is the list's alone.
    const Command id = info.id;
    for (const QKeySequence& key : keys) {
        auto* shortcut =
            new QShortcut(key, table_, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, id] { runCommand(id); });
    }
}

void MainWindow::createActions() {
    for (const CommandInfo& info : commandTable()) {
        QString text = QString::fromUtf8(info.text);
        // The shortcut is the action's own; the text shows it.
        if (const qsizetype tab = text.indexOf('\t'); tab >= 0) text = text.left(tab);
        auto* action = new QAction(text, this);
        action->setObjectName(QString("command%1").arg(static_cast<int>(info.id)));
        const auto [status, tip] = splitPrompt(info.prompt);
        action->setStatusTip(status);
        if (!tip.isEmpty()) action->setToolTip(tip);
        action->setWhatsThis(status);
        if (*info.ownIcon || *info.themeIcon) {
            action->setIcon(*info.themeIcon ? themedIcon(info.themeIcon, info.ownIcon)
                                            : ownIcon(info.ownIcon));
        }
        if (*info.shortcut) addKeys(info, *action);
        action->setCheckable(info.checkable);
        action->setIconVisibleInMenu(false);
        const Command id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        actions_[id] = action;
    }
}

void MainWindow::createMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu("&File     ");
    file->addAction(action(Command::Open));
    recentMenu_ = file->addMenu("Open &Recent");
    recentMenu_->setObjectName("RecentFilesMenu");
    connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::rebuildRecentFiles);
    file->addAction(action(Command::Save));
    file->addAction(action(Command::SaveAs));
    file->addSeparator();
    file->addAction(action(Command::ApplyOrder));
    file->addAction(action(Command::SaveAsReference));
    file->addAction(action(Command::CompareWithList));
    file->addAction(action(Command::ImportChannels));
    file->addAction(action(Command::History));
    file->addSeparator();
    file->addAction(action(Command::Print));
    file->addAction(action(Command::PrintPreview));
    file->addAction(action(Command::ExportPdf));
    QMenu* exportMenu = file->addMenu("&Export");
    exportMenu->addAction(action(Command::ExportCsv));
    exportMenu->addAction(action(Command::ExportHtml));
    file->addSeparator();
    file->addAction(action(Command::Exit));

    QMenu* compile = bar->addMenu("&Compile");
    compile->addAction(action(Command::BasicCompile));
    QMenu* preInstalled = compile->addMenu("Pre-Installed");
    preInstalled->addAction(action(Command::PreInstalled1List));
    preInstalled->addAction(action(Command::PreInstalledSplit));

    QMenu* download = bar->addMenu("&Download");
    download->addAction(action(Command::DownloadCurrent));
    download->addAction(action(Command::DownloadOthers));
    download->addSeparator();
    download->addAction(action(Command::CompileDownload));

    QMenu* upload = bar->addMenu("&Upload          ");
    upload->addAction(action(Command::UploadStart));
    upload->addAction(action(Command::CompareWithReceiver));

    // Commands without a menu item or button, reachable by their ids (runCommand).
    for (const Command id :
         {Command::CompileNormal, Command::DownloadBinaryFile, Command::SplitListToggle}) {
        addAction(action(id));
    }

    editMenu_ = bar->addMenu("&Edit Channel");
    editMenu_->setObjectName("EditChannelMenu");
    editMenu_->addAction(action(Command::New));
    editMenu_->addAction(action(Command::Cut));
    editMenu_->addAction(action(Command::Paste));
    editMenu_->addAction(action(Command::CopyRows));
    editMenu_->addSeparator();
    editMenu_->addAction(action(Command::InsertNull));
    editMenu_->addAction(action(Command::Delete));
    editMenu_->addSeparator();
    for (const Command move : {Command::MoveToNumber, Command::MoveUp, Command::MoveDown,
                               Command::MoveToTop, Command::MoveToBottom}) {
        editMenu_->addAction(action(move));
    }
    editMenu_->addSeparator();
    editMenu_->addAction(action(Command::ImportTransponders));
    editMenu_->addAction(action(Command::CheckTransponders));
    editMenu_->addAction(action(Command::RenameChannels));
    editMenu_->addSeparator();
    editMenu_->addAction(action(Command::Undo));
    editMenu_->addAction(action(Command::Redo));
    editMenu_->addSeparator();
    editMenu_->addAction(action(Command::Find));
    editMenu_->addAction(action(Command::FindDuplicates));
    editMenu_->addSeparator();
    editMenu_->addAction(action(Command::ToggleEdit));

    QMenu* sort = bar->addMenu("&Sort ");
    sort->addAction(action(Command::SortChannelName));
    sort->addAction(action(Command::SortFrequency));
    sort->addAction(action(Command::SortBouquet));
    sort->addSeparator();
    sort->addAction(action(Command::SortNameOnly));
    sort->addAction(action(Command::ToggleAscendingNames));
    sort->addAction(action(Command::ToggleRenumberAfterSort));
    sort->addSeparator();
    sort->addAction(action(Command::ArrangeBlocks));
    sort->addAction(action(Command::RevertArrangement));

    QMenu* view = bar->addMenu("&View         ");
    view->addAction(action(Command::Toolbar));
    view->addAction(action(Command::StatusBar));
    view->addAction(action(Command::ViewDialogBar));
    view->addSeparator();
    view->addAction(action(Command::DigitalChannel));
    view->addAction(action(Command::AnalogChannel));
    view->addAction(action(Command::SatelliteList));
    view->addSeparator();
    QMenu* other = view->addMenu("Other Information");
    other->addAction(action(Command::DigitalChannelList));
    other->addAction(action(Command::AnalogChannelList));
    other->addAction(action(Command::DigitalPidChannelList));
    other->addAction(action(Command::DigitalTpList));
    other->addAction(action(Command::SatelliteNameList));
    view->addAction(action(Command::ViewDetail));
    view->addSeparator();
    view->addAction(action(Command::ZoomIn));
    view->addAction(action(Command::ZoomOut));
    view->addAction(action(Command::ZoomReset));

    QMenu* option = bar->addMenu(action(Command::Option)->text());
    option->setObjectName("OptionMenu");
    option->addAction(action(Command::Option));
    option->addAction(action(Command::ResetSettings));

    QMenu* help = bar->addMenu("&Help");
    help->addAction(action(Command::HelpTopics));
    help->addAction(action(Command::ContextHelp));
    help->addSeparator();
    help->addAction(action(Command::About));

    for (QMenu* menu : bar->findChildren<QMenu*>()) {
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateCommands);
    }
}

void MainWindow::createToolBar() {
    toolBar_ = addToolBar("Toolbar");
    toolBar_->setObjectName("ToolBar");
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setMovable(true);
    // The toolbar's buttons in order; 0 is a separator.
    // std::nullopt is a separator.
    const std::optional<Command> order[] = {Command::Open,
                                            Command::Save,
                                            Command::SaveAs,
                                            std::nullopt,
                                            Command::HelpTopics,
                                            Command::ContextHelp,
                                            std::nullopt,
                                            Command::BasicCompile,
                                            Command::PreInstalled1List,
                                            Command::PreInstalledSplit,
                                            std::nullopt,
                                            Command::DownloadCurrent,
                                            Command::DownloadOthers,
                                            std::nullopt,
                                            Command::UploadStart,
                                            std::nullopt,
                                            Command::New,
                                            Command::InsertNull,
                                            Command::Delete,
                                            Command::Undo,
                                            Command::Redo,
                                            std::nullopt,
                                            Command::SortChannelName,
                                            Command::SortFrequency,
                                            Command::SortBouquet,
                                            std::nullopt,
                                            Command::DigitalChannel,
                                            Command::AnalogChannel,
                                            Command::SatelliteList,
                                            std::nullopt,
                                            Command::Option};
    for (const std::optional<Command>& id : order) {
        if (id) {
            toolBar_->addAction(action(*id));
        } else {
            toolBar_->addSeparator();
        }
    }
    // Print stands between separators after Save As.
    toolBar_->insertAction(toolBar_->insertSeparator(action(Command::HelpTopics)),
                           action(Command::Print));
}

void MainWindow::createCommandBar() {
    addToolBarBreak(Qt::TopToolBarArea);
    commandBar_ = new QToolBar("Command Bar", this);
    commandBar_->setObjectName("CommandBar");
    commandBar_->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    auto* panel = new QWidget(commandBar_);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setSpacing(4);
    QFont font = panel->font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    // The command bar: top row Open, Compile+Download, Download Others, Upload; bottom row the
    // views, Option and About.
    struct Button {
        int row;
        int column;
        const char* caption;
        Command id;
    };
    const Button layout[] = {{0, 0, "Open", Command::Open},
                             {0, 1, "Compile+Download Current CH. List", Command::CompileDownload},
                             {0, 2, "Download Others(bin,hex)", Command::DownloadOthers},
                             {0, 3, "Upload", Command::UploadStart},
                             {1, 0, "View Digital Channel", Command::DigitalChannel},
                             {1, 1, "View Analog Channel", Command::AnalogChannel},
                             {1, 2, "Option", Command::Option},
                             {1, 3, "About", Command::About}};
    for (const Button& place : layout) {
        auto* button = new QPushButton(place.caption, panel);
        button->setFont(font);
        // At least 200 pixels, and never narrower than its text: a narrow window must not clip
        // "Compile+Download Current CH. List".
        button->setMinimumWidth(std::max(200, button->sizeHint().width()));
        button->setFocusPolicy(Qt::NoFocus);
        const auto [status, tip] = splitPrompt(commandInfo(place.id).prompt);
        button->setStatusTip(status);
        button->setToolTip(tip);
        const Command id = place.id;
        connect(button, &QPushButton::clicked, this, [this, id] { runCommand(id); });
        grid->addWidget(button, place.row, place.column);
        buttons_[place.id] = button;
    }
    for (int column = 0; column < 4; ++column) grid->setColumnMinimumWidth(column, 200);
    commandBar_->addWidget(panel);
    addToolBar(Qt::TopToolBarArea, commandBar_);
}

void MainWindow::createStatusBar() {
    idlePrompt_ = new QLabel("For Help, press F1", statusBar());
    idlePrompt_->setObjectName("IdlePrompt");
    statusBar()->addWidget(idlePrompt_, 1);
    // A command prompt or a status line takes the place of the idle prompt while it stands, so
    // that the two are never drawn over each other.
    connect(statusBar(), &QStatusBar::messageChanged, idlePrompt_,
            [this](const QString& message) { idlePrompt_->setVisible(message.isEmpty()); });
    new LockKeyPanes(*statusBar());
}

void MainWindow::applyListColours() {
    table_->applyColours(settings_->listColours());
    table_->applyZoom(settings_->listZoom());
}

void MainWindow::updateCommands() {
    if (!router_) return;
    for (const auto& [id, act] : actions_) {
        const CommandState state = router_->state(id);
        act->setEnabled(state.enabled);
        if (act->isCheckable()) act->setChecked(state.checked);
        if ((id == Command::Undo || id == Command::Redo) && !state.text.empty()) {
            act->setText(QString::fromStdString(state.text));
        }
    }
    recentMenu_->setEnabled(router_->recentFilesEnabled());
    for (const auto& [id, button] : buttons_) button->setEnabled(action(id)->isEnabled());
}

void MainWindow::transferRunningChanged(bool running) {
    if (running) {
        ui_->beginTransfer();
    } else {
        ui_->endTransfer();
    }
    updateCommands();
}

void MainWindow::runCommand(Command id) {
    layout_->beforeCommand(id);
    router_->run(id);
    afterCommand();
}

void MainWindow::afterCommand() {
    updateCommands();
    reportSettingsProblem();
    // A close asked for during a transfer happens once the command has ended.
    if (closePending_ && !doc_->transferRunning()) {
        closePending_ = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

bool MainWindow::openFile(const QString& path) {
    const bool opened = doc_->openFile(path.toStdString());
    updateCommands();
    reportSettingsProblem();
    return opened;
}

void MainWindow::reportSettingsProblem() {
    if (const std::optional<std::string> problem = settings_->takeWriteProblem()) {
        ui_->message(*problem, kAppName);
    }
}

void MainWindow::rebuildRecentFiles() {
    recentMenu_->clear();
    const std::vector<std::string> files = settings_->recentFiles();
    if (files.empty()) {
        recentMenu_->addAction("(none)")->setEnabled(false);
        return;
    }
    for (std::size_t n = 0; n < files.size(); ++n) {
        const QString path = QString::fromStdString(files[n]);
        QAction* item = recentMenu_->addAction(QString("&%1 %2").arg(n + 1).arg(path));
        item->setStatusTip("Open " + path);
        connect(item, &QAction::triggered, this, [this, n] {
            router_->openRecent(n);
            afterCommand();
        });
    }
}

bool MainWindow::runOptionDialog() {
    OptionDialogData options(*settings_, runtime_, doc_->temporaryDirectory());
    OptionDialog dialog(options, serialDevicesPresent(), this);
    if (dialog.exec() != QDialog::Accepted) return false;
    bool max40 = runtime_.maxSatellite40;
    if (options.accept(*settings_, runtime_, max40)) {
        applyListColours();
        router_->run(commandShowing(*view_));
    }
    runtime_.maxSatellite40 = max40;
    doc_->list().undoHistory().setDepth(runtime_.undoLevels);
    updateCommands();
    return true;
}

void MainWindow::showAbout() {
    AboutBox box(this);
    box.exec();
}

void MainWindow::showHelp() {
    if (!help_) help_ = new HelpWindow(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (doc_->transferRunning()) {
        // The transfer is cancelled; the window closes when the command has ended.
        ui_->cancelTransfer();
        closePending_ = true;
        event->ignore();
        return;
    }
    // A Cancel in the question, or edits that could not be saved, keep the window open.
    if (!doc_->onClose()) {
        event->ignore();
        return;
    }
    layout_->save();
    event->accept();
}

void MainWindow::showPlaced() {
    layout_->showPlaced();
}

}  // namespace sky::app
