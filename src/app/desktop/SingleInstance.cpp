#include "app/desktop/SingleInstance.h"

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStatusBar>
#include <QTimer>

#include "app/frame/MainWindow.h"

namespace sky::app {

namespace {

constexpr int kConnectMs = 1000;
// How long a later start waits for the running window's answer.
constexpr int kAnswerMs = 5000;
constexpr char kAnswer[] = "ok\n";

// Only letters, digits, '.', '-' and '_' from an environment variable go into a socket's name.
QString namePart(const char* variable) {
    QString text = qEnvironmentVariable(variable);
    for (QChar& c : text) {
        if (!c.isLetterOrNumber() && c != '.' && c != '-' && c != '_') c = '_';
    }
    return text;
}

}  // namespace

QString SingleInstance::socketName() {
    QString session = namePart("XDG_SESSION_ID");
    if (session.isEmpty()) session = namePart("WAYLAND_DISPLAY");
    if (session.isEmpty()) session = namePart("DISPLAY");
    const QString name = QString("skylister-%1-%2").arg(::getuid()).arg(session);
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) return QDir(runtime).filePath(name);
    return name;
}

bool SingleInstance::handOver(const QString& name, const QString& path) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kConnectMs)) return false;
    // Percent-encoded: a file name may hold a line end.
    socket.write(path.toUtf8().toPercentEncoding("/") + '\n');
    if (!socket.waitForBytesWritten(kConnectMs)) return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kAnswerMs)) return false;
    }
    return socket.readLine() == kAnswer;
}

bool SingleInstance::listen(const QString& name) {
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::accept,
            Qt::UniqueConnection);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (server_.listen(name)) return true;
    if (server_.serverError() != QAbstractSocket::AddressInUseError) return false;
    // Nobody answered on it (handOver failed before): the socket is left from a crash.
    QLocalServer::removeServer(name);
    return server_.listen(name);
}

void SingleInstance::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) return;
            const QString path =
                QString::fromUtf8(QByteArray::fromPercentEncoding(socket->readLine().trimmed()));
            socket->write(kAnswer);
            socket->disconnectFromServer();
            // Opened once the later start has its answer: the questions may take a while.
            QTimer::singleShot(0, this, [this, path] {
                if (received) received(path);
            });
        });
    }
}

void openHandedList(MainWindow& frame, const QString& path) {
    if (frame.isMinimized()) frame.showNormal();
    frame.raise();
    frame.activateWindow();
    if (path.isEmpty()) return;
    if (QApplication::activeModalWidget() || frame.document().transferRunning()) {
        frame.statusBar()->showMessage(
            QString("Finish what the window is doing, then open %1 again.").arg(path));
        return;
    }
    frame.openFile(path);
}

}  // namespace sky::app
