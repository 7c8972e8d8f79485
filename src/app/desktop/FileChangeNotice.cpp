#include "app/desktop/FileChangeNotice.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include "app/frame/MainWindow.h"

namespace sky::app {

namespace {

// While a transfer runs the list stays as it is; a change is looked at again this much later.
constexpr int kRetryMs = 1000;

}  // namespace

FileChangeNotice::FileChangeNotice(MainWindow& frame)
    : QObject(&frame),
      frame_(frame),
      watcher_(new QFileSystemWatcher(this)),
      reload_(new QPushButton("Reload", frame.statusBar())) {
    reload_->setObjectName("ReloadButton");
    reload_->setToolTip("Show the list's file as it is now; Undo takes it back");
    reload_->setFocusPolicy(Qt::NoFocus);
    reload_->hide();
    frame.statusBar()->addPermanentWidget(reload_);
    connect(reload_, &QPushButton::clicked, this, &FileChangeNotice::reload);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &FileChangeNotice::fileChanged);
    // Queued: a save tells of itself before it writes the file. The file is looked at then too,
    // so that a change before the watcher follows it is not missed.
    frame.document().fileWatch().fileReplaced = [this] {
        reload_->hide();
        QTimer::singleShot(0, this, &FileChangeNotice::fileChanged);
    };
}

void FileChangeNotice::watchAgain() {
    if (!watcher_->files().isEmpty()) watcher_->removePaths(watcher_->files());
    const QString path = QString::fromStdString(frame_.document().fileWatch().watchedPath());
    if (!path.isEmpty() && QFileInfo::exists(path)) watcher_->addPath(path);
}

void FileChangeNotice::fileChanged() {
    if (frame_.document().transferRunning()) {
        QTimer::singleShot(kRetryMs, this, &FileChangeNotice::fileChanged);
        return;
    }
    const bool offered = frame_.document().fileWatch().noticeChange();
    reload_->setVisible(offered);
    watchAgain();
    frame_.updateCommands();
}

void FileChangeNotice::reload() {
    reload_->hide();
    if (frame_.document().transferRunning()) return;
    frame_.document().fileWatch().reload();
    frame_.updateCommands();
}

}  // namespace sky::app
