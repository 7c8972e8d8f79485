// Times Export to PDF of the Digital Channel view through the real main window, offscreen: the
// list opened, the command run with its file dialog answered, up to the PDF written. Prints the
// time, the number of rows and pages and the size of the file.
// Usage: QT_QPA_PLATFORM=offscreen print_bench LIST.txt

#include <QApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstdio>

#include "app/frame/MainWindow.h"
#include "app/frame/QtDocumentWindow.h"
#include "app/frame/QtUserInterface.h"
#include "app/list/ChannelTableView.h"
#include "shell/commands/CommandTable.h"

using namespace sky;
using namespace sky::app;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: QT_QPA_PLATFORM=offscreen print_bench LIST.txt\n");
        return 2;
    }
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    MainWindow frame;
    frame.resize(1280, 900);
    frame.show();
    if (!QTest::qWaitForWindowExposed(&frame)) return 1;
    bool failed = false;
    frame.userInterface().answerBoxes = [&failed](const BoxRequest& box) {
        std::fprintf(stderr, "box: %s\n", box.text.toUtf8().constData());
        failed = true;
        return Answer::No;
    };
    // The largest list has 40 satellites.
    frame.runtime().maxSatellite40 = true;
    if (!frame.openFile(QString::fromLocal8Bit(argv[1])) || failed) return 1;
    frame.runCommand(Command::DigitalChannel);
    QApplication::processEvents();

    const QString pdf = dir.path() + "/largest.pdf";
    frame.documentWindow().answerFileDialogs = [&pdf](bool) { return pdf.toStdString(); };
    const auto start = std::chrono::steady_clock::now();
    frame.runCommand(Command::ExportPdf);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (failed || !QFileInfo::exists(pdf)) return 1;

    QFile file(pdf);
    file.open(QIODevice::ReadOnly);
    const QByteArray content = file.readAll();
    const qsizetype pages =
        QString::fromLatin1(content).count(QRegularExpression("/Type\\s*/Page(?!s)"));
    std::printf(
        "Export to PDF, digital view: %d rows, %lld pages, %.1f MB in %.2f s (target "
        "under 10 s)\n",
        frame.table()->model()->rowCount(), static_cast<long long>(pages),
        static_cast<double>(content.size()) / 1e6, seconds);
    return seconds < 10.0 ? 0 : 3;
}
