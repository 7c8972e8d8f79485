#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>

namespace sky::app {

class MainWindow;

// One window per user and desktop session: the first start listens on a local socket named for
// the user and the session; a later start hands its list (or nothing) to that window and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket of this user's session: in XDG_RUNTIME_DIR when there is one, else in the
    // temporary folder, named for the user id and the session (XDG_SESSION_ID, else the display).
    static QString socketName();
    // Hands `path` (empty: no list) to the window listening on `name`; true when it took it.
    static bool handOver(const QString& name, const QString& path);

    // Listens for later starts. A socket nobody answers on is left from a crash and is taken
    // over. False when no socket could be had (this window then goes on alone).
    bool listen(const QString& name);

    // A later start handed over its list (empty: none).
    std::function<void(const QString& path)> received;

private:
    void accept();

    QLocalServer server_;
};

// Brings the window to the front and opens the handed list as the command line's list opens:
// the unsaved-changes question first. While a dialog or a transfer holds the window, the list
// is not opened and the status bar says so.
void openHandedList(MainWindow& frame, const QString& path);

}  // namespace sky::app
