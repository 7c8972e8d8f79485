// Times downloads from the real main window, offscreen: Download Binary File with the file
// dialog and the boxes answered, from the command to its end (the transfer on its worker thread,
// the message window and the progress on the window's thread). Prints one time in seconds per
// line. With --beside-core, each run is preceded by the same download through the core alone in
// the same process (what skylister-cli download does, without its process start), and the line
// holds both times: "CORE WINDOW".
// Usage: QT_QPA_PLATFORM=offscreen download_window IMAGE.bin DEVICE [RUNS] [--beside-core]
// (bench/download_bench.sh sets it all up and sets it beside skylister-cli download).

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "QuietUi.h"
#include "app/frame/MainWindow.h"
#include "app/frame/QtDocumentWindow.h"
#include "app/frame/QtUserInterface.h"
#include "listdb/ListFile.h"
#include "shell/commands/CommandTable.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: download_window IMAGE.bin DEVICE [RUNS]\n");
        return 2;
    }
    const std::string image = argv[1];
    const std::string device = argv[2];
    const int runs = argc > 3 ? std::atoi(argv[3]) : 1;
    const bool besideCore = argc > 4 && std::string(argv[4]) == "--beside-core";
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());

    sky::app::MainWindow frame;
    frame.resize(1200, 800);
    frame.show();
    QApplication::processEvents();
    frame.runtime().portDevices[0] = device;
    bool succeeded = true;
    frame.userInterface().answerBoxes = [&succeeded](const sky::app::BoxRequest& box) {
        if (!box.text.startsWith("Flash download is terminated successfully")) {
            std::fprintf(stderr, "%s\n", box.text.toUtf8().constData());
            succeeded = false;
        }
        return sky::Answer::Ok;
    };
    frame.documentWindow().answerFileDialogs = [&image](bool) -> std::optional<std::string> {
        return image;
    };
    using Clock = std::chrono::steady_clock;
    for (int run = 0; run < runs; ++run) {
        if (besideCore) {
            QuietUi quiet(sky::Answer::Yes, false);
            sky::ListFile db(frame.runtime(), quiet);
            const auto start = Clock::now();
            if (!db.downloadFile(image)) succeeded = false;
            std::printf("%.4f ", std::chrono::duration<double>(Clock::now() - start).count());
        }
        const auto start = std::chrono::steady_clock::now();
        frame.runCommand(sky::Command::DownloadBinaryFile);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%.4f\n", seconds);
        std::fflush(stdout);
    }
    return succeeded ? 0 : 1;
}
