#pragma once

#include <QObject>

class QFileSystemWatcher;
class QPushButton;

namespace sky::app {

class MainWindow;

// The window's side of other programs' changes to the open list's file: a file watcher on it,
// which hands every change to the document's file watch, and the status bar's Reload button,
// shown while a reload is offered.
class FileChangeNotice : public QObject {
    Q_OBJECT
public:
    explicit FileChangeNotice(MainWindow& frame);

    QPushButton* reloadButton() const { return reload_; }

private:
    void fileChanged();
    // Watches the file the list is bound to now; saves replace the file, so it is watched anew.
    void watchAgain();
    void reload();

    MainWindow& frame_;
    QFileSystemWatcher* watcher_;
    QPushButton* reload_;
};

}  // namespace sky::app
