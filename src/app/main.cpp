// The Skylister desktop program: `skylister [--sat40] [LIST.txt]`.

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/desktop/SingleInstance.h"
#include "app/frame/MainWindow.h"

namespace {

// Qt would abort without a display; say so in one line instead.
bool displayAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "skylister: no display found (DISPLAY and WAYLAND_DISPLAY are not set); "
                     "start it in a desktop session\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Orvel");
    QApplication::setApplicationName("Skylister");
    // No display name: on X11 Qt would append it to every title ("REPLACE — Skylister"), and the
    // program's titles are to read exactly as it sets them.
    QApplication::setApplicationVersion("1.2.1");
    QGuiApplication::setDesktopFileName("skylister");

    QCommandLineParser parser;
    parser.setApplicationDescription("Edits the channel list of a satellite receiver.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("LIST.txt", "The channel list to open.", "[LIST.txt]");
    const QCommandLineOption sat40(
        "sat40",
        "Read lists with 40 satellite names instead of 32, as the Option "
        "dialog's satellite number does.");
    parser.addOption(sat40);
    const QCommandLineOption newWindow(
        "new-window",
        "Start a window of its own rather than open the list in the window already running.");
    parser.addOption(newWindow);
    parser.process(app);

    const QStringList lists = parser.positionalArguments();
    const QString path = lists.isEmpty() ? QString() : QFileInfo(lists.front()).absoluteFilePath();
    // One window per user and session: a later start hands its list to the running window.
    sky::app::SingleInstance instance;
    if (!parser.isSet(newWindow)) {
        const QString socket = sky::app::SingleInstance::socketName();
        if (sky::app::SingleInstance::handOver(socket, path)) return 0;
        instance.listen(socket);
    }

    sky::app::MainWindow frame;
    if (parser.isSet(sat40)) frame.runtime().maxSatellite40 = true;
    instance.received = [&frame](const QString& handed) { openHandedList(frame, handed); };
    frame.showPlaced();
    if (!path.isEmpty()) {
        // Opened once the window is up, so its messages have their owner on screen.
        QTimer::singleShot(0, &frame, [&frame, path] { frame.openFile(path); });
    }
    return QApplication::exec();
}
