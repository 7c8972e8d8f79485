#pragma once

// The main window started as the program starts it, with its settings in a temporary folder, the
// message boxes and file dialogs answered by the test, and helpers to reach the list.

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "app/frame/MainWindow.h"
#include "app/frame/QtDocumentWindow.h"
#include "app/frame/QtUserInterface.h"
#include "app/list/ChannelTableModel.h"
#include "app/list/ChannelTableView.h"
#include "editor/dialogs/DialogRunner.h"
#include "editor/view/ListView.h"
#include "shell/commands/CommandTable.h"

namespace sky::app::test {

using sky::Command;

inline QString exampleList() {
    return QString(SKYLISTER_SOURCE_DIR) + "/examples/channels.txt";
}

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// A setting dialog answered by the test: each channel dialog opens, takes the new name and OK.
class RenamingRunner : public IDialogRunner {
public:
    explicit RenamingRunner(IUserInterface& ui) : ui_(ui) {}

    DialogEnd run(DigitalChannelDialogData& data) override { return rename(data); }
    DialogEnd run(AnalogChannelDialogData& data) override { return rename(data); }
    DialogEnd run(SatelliteDialogData&) override {
        ++satelliteRuns;
        return DialogEnd::Cancel;
    }

    std::string newName = "Edited";
    // The names shown as the dialogs opened; "<new>" for a new channel.
    std::vector<std::string> shown;
    int satelliteRuns = 0;

private:
    template <typename Data>
    DialogEnd rename(Data& data) {
        data.open();
        shown.push_back(data.newFlag ? "<new>" : data.name);
        if (data.newFlag) return DialogEnd::Cancel;
        data.name = newName;
        return data.finish(DialogEnd::Ok, ui_).value_or(DialogEnd::Cancel);
    }

    IUserInterface& ui_;
};

class AppFixture {
public:
    // A fresh main window over fresh settings, shown.
    void start() {
        frame.reset();
        dir = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir->path() + "/config");
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir->path() + "/config");
        qputenv("XDG_STATE_HOME", (dir->path() + "/state").toUtf8());
        boxes.clear();
        dialogs.clear();
        answers.clear();
        files.clear();
        frame = std::make_unique<MainWindow>();
        frame->userInterface().answerBoxes = [this](const BoxRequest& box) {
            boxes << box.caption + ": " + box.text;
            if (box.buttons == Buttons::Ok) return Answer::Ok;
            if (answers.empty()) return Answer::No;
            const Answer answer = answers.front();
            answers.pop_front();
            return answer;
        };
        frame->documentWindow().answerFileDialogs =
            [this](bool save) -> std::optional<std::string> {
            dialogs << (save ? "save" : "open");
            if (files.empty()) return std::nullopt;
            const QString file = files.front();
            files.pop_front();
            if (file.isEmpty()) return std::nullopt;
            return file.toStdString();
        };
        frame->resize(1200, 800);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    }

    void stop() {
        if (frame)
            frame->userInterface().answerBoxes = [](const BoxRequest&) { return Answer::No; };
        frame.reset();
        dir.reset();
    }

    // A copy of the example list in the temporary folder.
    QString copyExample(const QString& name = "channels.txt") {
        const QString path = dir->path() + "/" + name;
        QFile::remove(path);
        QFile::copy(exampleList(), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }

    // File > Open with the file dialog answered.
    void open(const QString& path) {
        files.push_back(path);
        trigger(Command::Open);
    }

    void trigger(Command id) { frame->action(id)->trigger(); }

    ChannelTableView* table() const { return frame->table(); }
    ChannelTableModel* model() const { return frame->table()->tableModel(); }
    QString cell(int row, int column) const {
        return model()->data(model()->index(row, column)).toString();
    }
    QString header(int column) const {
        return model()->headerData(column, Qt::Horizontal).toString();
    }
    // The Name column of the digital view, row by row.
    QStringList names(int column = 5) const {
        QStringList result;
        for (int row = 0; row < model()->rowCount(); ++row) result << cell(row, column);
        return result;
    }
    QPoint rowCentre(int row) const { return table()->visualRect(model()->index(row, 0)).center(); }
    void selectRows(std::initializer_list<int> rows) {
        table()->clearSelection();
        for (const int row : rows) table()->selectAndFocus(static_cast<std::size_t>(row));
    }
    QString undoText() const { return frame->action(Command::Undo)->text(); }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MainWindow> frame;
    QStringList boxes;
    QStringList dialogs;
    std::deque<Answer> answers;
    std::deque<QString> files;
};

}  // namespace sky::app::test
