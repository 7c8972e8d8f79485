#include "app/frame/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>
#include <algorithm>

#include "app/frame/AboutBox.h"
#include "app/frame/ChannelEditingWiring.h"
#include "app/frame/Commands.h"
#include "app/frame/HelpWindow.h"
#include "app/frame/Icons.h"
#include "app/frame/LockKeyPanes.h"
#include "app/frame/MessageWindow.h"
#include "app/frame/QtDocumentWindow.h"
#include "app/frame/QtUserInterface.h"
#include "app/list/ChannelTableView.h"
#include "app/print/ListPrinter.h"
#include "app/settings/OptionDialog.h"
#include "app/settings/QtSettingsStore.h"
#include "editor/view/SkylistListView.h"
#include "shell/OptionDialogData.h"
#include "shell/SerialDevices.h"

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
int commandShowing(const CSkylistListView& view) {
    switch (view.viewKind()) {
        case ViewKind::Detail:
            return view.digitalFlag() ? cmd::kDigitalChannel : cmd::kAnalogChannel;
        case ViewKind::SatelliteNameList:
            return cmd::kSatelliteNameList;
        case ViewKind::SatelliteList:
            return cmd::kSatelliteList;
        case ViewKind::DigitalTpList:
            return cmd::kDigitalTpList;
        case ViewKind::AnalogChannelList:
            return cmd::kAnalogChannelList;
        case ViewKind::DigitalChannelList:
            return cmd::kDigitalChannelList;
        case ViewKind::DigitalPidChannelList:
            return cmd::kDigitalPidChannelList;
    }
    return cmd::kDigitalChannel;
}

// The document's commands by their ids.
std::optional<DocCommand> docCommandOf(int id) {
    switch (id) {
        case cmd::kOpen:
            return DocCommand::Open;
        case cmd::kSave:
            return DocCommand::Save;
        case cmd::kSaveAs:
            return DocCommand::SaveAs;
        case cmd::kBasicCompile:
            return DocCommand::BasicCompile;
        case cmd::kCompileNormal:
            return DocCommand::CompileNormal;
        case cmd::kPreInstalled1List:
            return DocCommand::PreInstalled1List;
        case cmd::kPreInstalledSplit:
            return DocCommand::PreInstalledSplit;
        case cmd::kDownloadCurrent:
            return DocCommand::DownloadCurrent;
        case cmd::kDownloadOthers:
            return DocCommand::DownloadOthers;
        case cmd::kCompileDownload:
            return DocCommand::CompileDownload;
        case cmd::kUploadStart:
            return DocCommand::UploadStart;
        case cmd::kDownloadBinaryFile:
            return DocCommand::DownloadBinaryFile;
        case cmd::kSplitListToggle:
            return DocCommand::SplitListToggle;
        default:
            return std::nullopt;
    }
}

// The commands that only show or print the list: they stay enabled while a transfer runs.
bool onlyShows(int id) {
    switch (id) {
        case cmd::kPrint:
        case cmd::kPrintPreview:
        case cmd::kExportPdf:
        case cmd::kDigitalChannel:
        case cmd::kAnalogChannel:
        case cmd::kSatelliteList:
        case cmd::kDigitalChannelList:
        case cmd::kAnalogChannelList:
        case cmd::kDigitalPidChannelList:
        case cmd::kDigitalTpList:
        case cmd::kSatelliteNameList:
        case cmd::kViewDetail:
            return true;
        default:
            return false;
    }
}

bool isSort(int id) {
    return id == cmd::kSortChannelName || id == cmd::kSortFrequency || id == cmd::kSortBouquet ||
           id == cmd::kSortNameOnly || id == cmd::kArrangeBlocks;
}

}  // namespace

CMainFrame::CMainFrame(std::unique_ptr<ISettingsStore> store, QWidget* parent)
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
    doc_ = std::make_unique<CSkylisterDoc>(*ui_, *window_, *settings_, runtime_,
                                           CSkylisterDoc::privateTemporaryDirectory());
    window_->transferRunningChanged = [this](bool running) { transferRunningChanged(running); };
    table_ = new ChannelTableView(this);
    table_->setObjectName("ChannelList");
    table_->setWhatsThis(
        "The channel list. Double-click a channel to edit it; F2 new, F3 cut, F4 paste, Insert "
        "null channels, Delete; drag rows to move them.");
    view_ = std::make_unique<CSkylistListView>(*table_, *ui_, doc_->list());
    table_->attachView(*view_);
    editing_ = std::make_unique<ChannelEditingWiring>(this, *view_);
    setCentralWidget(table_);

    createActions();
    createMenus();
    createToolBar();
    createCommandBar();
    createStatusBar();

    addDockWidget(Qt::LeftDockWidgetArea, messages_);
    messages_->hide();
    connect(messages_, &QDockWidget::visibilityChanged, this, [this] { updateCommands(); });
    connect(table_, &ChannelTableView::listChanged, this, [this] { updateCommands(); });
    connect(table_, &ChannelTableView::contextMenuRequested, this,
            [this](const QPoint& at) { editMenu_->exec(at); });
    connect(table_->tableModel(), &QAbstractItemModel::modelReset, this,
            [this] { updateCommands(); });

    // The frame reads the port and the devices from the settings when it is created.
    settings_->loadInto(runtime_);
    applyListColours();
    setWindowTitle("Skylister : Untitled");
    updateCommands();
}

CMainFrame::~CMainFrame() {
    // The view goes before the widget it reads from: the widget lets go of it first.
    disconnect(messages_, nullptr, this, nullptr);
    table_->detachView();
    editing_.reset();
    view_.reset();
}

QAction* CMainFrame::action(int id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

QPushButton* CMainFrame::commandButton(int id) const {
    const auto found = buttons_.find(id);
    return found == buttons_.end() ? nullptr : found->second;
}

void CMainFrame::createActions() {
    int count = 0;
    const CommandInfo* commands = allCommands(count);
    for (int i = 0; i < count; ++i) {
        const CommandInfo& info = commands[i];
        QString text = QString::fromUtf8(info.text);
        // The shortcut is the action's own; the text shows it.
        if (const qsizetype tab = text.indexOf('\t'); tab >= 0) text = text.left(tab);
        auto* action = new QAction(text, this);
        action->setObjectName(QString("command%1").arg(info.id));
        const auto [status, tip] = splitPrompt(info.prompt);
        action->setStatusTip(status);
        if (!tip.isEmpty()) action->setToolTip(tip);
        action->setWhatsThis(status);
        if (*info.ownIcon || *info.themeIcon) {
            action->setIcon(*info.themeIcon ? themedIcon(info.themeIcon, info.ownIcon)
                                            : ownIcon(info.ownIcon));
        }
        if (*info.shortcut) action->setShortcut(QKeySequence(QString::fromUtf8(info.shortcut)));
        action->setCheckable(info.checkable);
        action->setIconVisibleInMenu(false);
        const int id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        actions_[id] = action;
    }
}

void CMainFrame::createMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu("&File     ");
    file->addAction(action(cmd::kOpen));
    recentMenu_ = file->addMenu("Open &Recent");
    recentMenu_->setObjectName("RecentFilesMenu");
    connect(recentMenu_, &QMenu::aboutToShow, this, &CMainFrame::rebuildRecentFiles);
    file->addAction(action(cmd::kSave));
    file->addAction(action(cmd::kSaveAs));
    file->addSeparator();
    file->addAction(action(cmd::kPrint));
    file->addAction(action(cmd::kPrintPreview));
    file->addAction(action(cmd::kExportPdf));
    file->addSeparator();
    file->addAction(action(cmd::kExit));

    QMenu* compile = bar->addMenu("&Compile");
    compile->addAction(action(cmd::kBasicCompile));
    QMenu* preInstalled = compile->addMenu("Pre-Installed");
    preInstalled->addAction(action(cmd::kPreInstalled1List));
    preInstalled->addAction(action(cmd::kPreInstalledSplit));

    QMenu* download = bar->addMenu("&Download");
    download->addAction(action(cmd::kDownloadCurrent));
    download->addAction(action(cmd::kDownloadOthers));
    download->addSeparator();
    download->addAction(action(cmd::kCompileDownload));

    QMenu* upload = bar->addMenu("&Upload          ");
    upload->addAction(action(cmd::kUploadStart));

    // Commands without a menu item or button, reachable by their ids (runCommand).
    for (const int id : {cmd::kCompileNormal, cmd::kDownloadBinaryFile, cmd::kSplitListToggle}) {
        addAction(action(id));
    }

    editMenu_ = bar->addMenu("&Edit Channel");
    editMenu_->setObjectName("EditChannelMenu");
    editMenu_->addAction(action(cmd::kNew));
    editMenu_->addAction(action(cmd::kCut));
    editMenu_->addAction(action(cmd::kPaste));
    editMenu_->addSeparator();
    editMenu_->addAction(action(cmd::kInsertNull));
    editMenu_->addAction(action(cmd::kDelete));
    editMenu_->addSeparator();
    editMenu_->addAction(action(cmd::kUndo));
    editMenu_->addSeparator();
    editMenu_->addAction(action(cmd::kToggleEdit));

    QMenu* sort = bar->addMenu("&Sort ");
    sort->addAction(action(cmd::kSortChannelName));
    sort->addAction(action(cmd::kSortFrequency));
    sort->addAction(action(cmd::kSortBouquet));
    sort->addSeparator();
    sort->addAction(action(cmd::kSortNameOnly));
    sort->addAction(action(cmd::kToggleAscendingNames));
    sort->addAction(action(cmd::kToggleRenumberAfterSort));
    sort->addSeparator();
    sort->addAction(action(cmd::kArrangeBlocks));
    sort->addAction(action(cmd::kRevertArrangement));

    QMenu* view = bar->addMenu("&View         ");
    view->addAction(action(cmd::kToolbar));
    view->addAction(action(cmd::kStatusBar));
    view->addAction(action(cmd::kViewDialogBar));
    view->addSeparator();
    view->addAction(action(cmd::kDigitalChannel));
    view->addAction(action(cmd::kAnalogChannel));
    view->addAction(action(cmd::kSatelliteList));
    view->addSeparator();
    QMenu* other = view->addMenu("Other Information");
    other->addAction(action(cmd::kDigitalChannelList));
    other->addAction(action(cmd::kAnalogChannelList));
    other->addAction(action(cmd::kDigitalPidChannelList));
    other->addAction(action(cmd::kDigitalTpList));
    other->addAction(action(cmd::kSatelliteNameList));
    view->addAction(action(cmd::kViewDetail));

    // A top-level command item: the menu bar shows its text, without the toolbar's icon.
    QAction* option = bar->addAction(action(cmd::kOption)->text());
    option->setObjectName("menuOption");
    option->setStatusTip(action(cmd::kOption)->statusTip());
    connect(option, &QAction::triggered, this, [this] { runCommand(cmd::kOption); });

    QMenu* help = bar->addMenu("&Help");
    help->addAction(action(cmd::kHelpTopics));
    help->addAction(action(cmd::kContextHelp));
    help->addSeparator();
    help->addAction(action(cmd::kAbout));

    for (QMenu* menu : bar->findChildren<QMenu*>()) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommands);
    }
}

void CMainFrame::createToolBar() {
    toolBar_ = addToolBar("Toolbar");
    toolBar_->setObjectName("ToolBar");
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setMovable(true);
    // The order of toolbar 128.
    // clang-format off
    const int order[] = {cmd::kOpen,           cmd::kSave,          cmd::kSaveAs,
                         0,                    cmd::kHelpTopics,    cmd::kContextHelp,
                         0,                    cmd::kBasicCompile,  cmd::kPreInstalled1List,
                         cmd::kPreInstalledSplit, 0,                cmd::kDownloadCurrent,
                         cmd::kDownloadOthers, 0,                   cmd::kUploadStart,
                         0,                    cmd::kNew,           cmd::kInsertNull,
                         cmd::kDelete,         cmd::kUndo,          0,
                         cmd::kSortChannelName, cmd::kSortFrequency, cmd::kSortBouquet,
                         0,                    cmd::kDigitalChannel, cmd::kAnalogChannel,
                         cmd::kSatelliteList,  0,                   cmd::kOption};
    // clang-format on
    for (const int id : order) {
        if (id == 0) {
            toolBar_->addSeparator();
        } else {
            toolBar_->addAction(action(id));
        }
    }
    // Print stands between separators after Save As.
    toolBar_->insertAction(toolBar_->insertSeparator(action(cmd::kHelpTopics)),
                           action(cmd::kPrint));
}

void CMainFrame::createCommandBar() {
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
    // Template 103: top row Open, Compile+Download, Download Others, Upload; bottom row the
    // views, Option and About.
    struct Button {
        int row;
        int column;
        const char* caption;
        int id;
    };
    const Button layout[] = {{0, 0, "Open", cmd::kOpen},
                             {0, 1, "Compile+Download Current CH. List", cmd::kCompileDownload},
                             {0, 2, "Download Others(bin,hex)", cmd::kDownloadOthers},
                             {0, 3, "Upload", cmd::kUploadStart},
                             {1, 0, "View Digital Channel", cmd::kDigitalChannel},
                             {1, 1, "View Analog Channel", cmd::kAnalogChannel},
                             {1, 2, "Option", cmd::kOption},
                             {1, 3, "About", cmd::kAbout}};
    for (const Button& place : layout) {
        auto* button = new QPushButton(place.caption, panel);
        button->setFont(font);
        // At least 200 pixels, and never narrower than its text: a narrow window must not clip
        // "Compile+Download Current CH. List".
        button->setMinimumWidth(std::max(200, button->sizeHint().width()));
        button->setFocusPolicy(Qt::NoFocus);
        const auto [status, tip] = splitPrompt(commandInfo(place.id)->prompt);
        button->setStatusTip(status);
        button->setToolTip(tip);
        const int id = place.id;
        connect(button, &QPushButton::clicked, this, [this, id] { runCommand(id); });
        grid->addWidget(button, place.row, place.column);
        buttons_[place.id] = button;
    }
    for (int column = 0; column < 4; ++column) grid->setColumnMinimumWidth(column, 200);
    commandBar_->addWidget(panel);
    addToolBar(Qt::TopToolBarArea, commandBar_);
}

void CMainFrame::createStatusBar() {
    idlePrompt_ = new QLabel("For Help, press F1", statusBar());
    idlePrompt_->setObjectName("IdlePrompt");
    statusBar()->addWidget(idlePrompt_, 1);
    // A command prompt or a status line takes the place of the idle prompt while it stands, so
    // that the two are never drawn over each other.
    connect(statusBar(), &QStatusBar::messageChanged, idlePrompt_,
            [this](const QString& message) { idlePrompt_->setVisible(message.isEmpty()); });
    new LockKeyPanes(*statusBar());
}

void CMainFrame::applyListColours() {
    table_->applyColours(settings_->listColours());
}

void CMainFrame::updateCommands() {
    if (!view_) return;
    // While a transfer runs, nothing that could touch the list, its files or the port works;
    // the list can still be looked at.
    const bool transferring = doc_->transferRunning();
    for (const auto& [id, act] : actions_) {
        const CommandInfo* info = commandInfo(id);
        if (const std::optional<DocCommand> command = docCommandOf(id)) {
            const CommandState state = doc_->commandState(*command);
            act->setEnabled(state.enabled);
            if (act->isCheckable()) act->setChecked(state.checked);
        } else if (info && info->viewCommand) {
            const CommandState state = view_->commandState(*info->viewCommand);
            act->setEnabled(state.enabled && (!transferring || onlyShows(id)));
            if (act->isCheckable()) act->setChecked(state.checked);
            if (*info->viewCommand == ViewCommand::Undo && !state.text.empty()) {
                act->setText(QString::fromStdString(state.text));
            }
        }
    }
    action(cmd::kOption)->setEnabled(!transferring);
    if (auto* option = menuBar()->findChild<QAction*>("menuOption"))
        option->setEnabled(!transferring);
    recentMenu_->setEnabled(!transferring);
    action(cmd::kToolbar)->setChecked(!toolBar_->isHidden());
    action(cmd::kStatusBar)->setChecked(!statusBar()->isHidden());
    action(cmd::kViewDialogBar)->setChecked(!messages_->isHidden());
    for (const auto& [id, button] : buttons_) button->setEnabled(action(id)->isEnabled());
}

void CMainFrame::transferRunningChanged(bool running) {
    if (running) {
        ui_->beginTransfer();
    } else {
        ui_->endTransfer();
    }
    table_->setEditingLocked(running);
    updateCommands();
}

void CMainFrame::runCommand(int id) {
    if (doc_->transferRunning() && !onlyShows(id) && id != cmd::kToolbar && id != cmd::kStatusBar &&
        id != cmd::kViewDialogBar && id != cmd::kHelpTopics && id != cmd::kContextHelp &&
        id != cmd::kAbout && id != cmd::kExit) {
        return;
    }
    if (const std::optional<DocCommand> command = docCommandOf(id)) {
        doc_->run(*command);
    } else {
        runFrameCommand(id);
    }
    updateCommands();
    reportSettingsProblem();
    // A close asked for during a transfer happens once the command has ended.
    if (closePending_ && !doc_->transferRunning()) {
        closePending_ = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

void CMainFrame::runFrameCommand(int id) {
    switch (id) {
        case cmd::kExit:
            close();
            break;
        case cmd::kToolbar:
            toolBar_->setVisible(toolBar_->isHidden());
            break;
        case cmd::kStatusBar:
            statusBar()->setVisible(statusBar()->isHidden());
            break;
        case cmd::kViewDialogBar:
            messages_->showNow(messages_->isHidden());
            break;
        case cmd::kPrint:
            ListPrinter(*this).print();
            break;
        case cmd::kPrintPreview:
            ListPrinter(*this).preview();
            break;
        case cmd::kExportPdf:
            ListPrinter(*this).exportPdf();
            break;
        case cmd::kOption:
            runOptionDialog();
            break;
        case cmd::kHelpTopics:
            showHelp();
            break;
        case cmd::kContextHelp:
            QWhatsThis::enterWhatsThisMode();
            break;
        case cmd::kAbout:
            showAbout();
            break;
        default:
            if (id >= cmd::kRecentFile && id < cmd::kRecentFile + Settings::kRecentFiles) {
                const std::vector<std::string> files = settings_->recentFiles();
                const auto n = static_cast<std::size_t>(id - cmd::kRecentFile);
                if (n < files.size()) doc_->openRecentFile(files[n]);
            } else if (const CommandInfo* info = commandInfo(id); info && info->viewCommand) {
                const bool wait = isSort(id) && view_->commandState(*info->viewCommand).enabled;
                if (wait) window_->beginWait();
                view_->run(*info->viewCommand);
                if (wait) window_->endWait();
            }
            break;
    }
}

bool CMainFrame::openFile(const QString& path) {
    const bool opened = doc_->openFile(path.toStdString());
    updateCommands();
    reportSettingsProblem();
    return opened;
}

void CMainFrame::reportSettingsProblem() {
    if (const std::optional<std::string> problem = settings_->takeWriteProblem()) {
        ui_->message(*problem, kAppName);
    }
}

void CMainFrame::rebuildRecentFiles() {
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
        const int id = cmd::kRecentFile + static_cast<int>(n);
        connect(item, &QAction::triggered, this, [this, id] { runCommand(id); });
    }
}

bool CMainFrame::runOptionDialog() {
    OptionDialogData options(*settings_, runtime_, doc_->temporaryDirectory());
    OptionDialog dialog(options, serialDevicesPresent(), this);
    if (dialog.exec() != QDialog::Accepted) return false;
    bool max40 = runtime_.maxSatellite40;
    if (options.accept(*settings_, runtime_, max40)) {
        applyListColours();
        view_->run(*commandInfo(commandShowing(*view_))->viewCommand);
    }
    runtime_.maxSatellite40 = max40;
    updateCommands();
    return true;
}

void CMainFrame::showAbout() {
    AboutBox box(this);
    box.exec();
}

void CMainFrame::showHelp() {
    if (!help_) help_ = new HelpWindow(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
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
    event->accept();
}

}  // namespace sky::app
