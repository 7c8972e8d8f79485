#include "app/frame/QtDocumentWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QFileDialog>
#include <QMimeData>
#include <QWidget>
#include <algorithm>
#include <thread>

#include "app/desktop/SleepInhibitor.h"
#include "app/dialogs/ApplyOrderDialog.h"
#include "app/dialogs/HistoryDialog.h"
#include "app/dialogs/ImportChannelsDialog.h"
#include "app/dialogs/ImportTranspondersDialog.h"
#include "shell/commands/ApplyOrderCommand.h"
#include "shell/commands/ImportTranspondersCommand.h"

namespace sky::app {

QString qtFilter(const FileFilter& filter) {
    QStringList patterns;
    for (const std::string& pattern : filter.patterns) patterns << QString::fromStdString(pattern);
    return QString::fromStdString(filter.description) + " (" + patterns.join(' ') + ")";
}

namespace {

// The extension a saved name without one gets: that of the first filter's first pattern.
QString defaultSuffix(const std::vector<FileFilter>& filters) {
    if (filters.empty() || filters.front().patterns.empty()) return {};
    const QString pattern = QString::fromStdString(filters.front().patterns.front());
    return pattern.startsWith("*.") ? pattern.mid(2) : QString();
}

}  // namespace

std::optional<std::string> QtDocumentWindow::chooseFileToOpen(
    const std::string& caption, const std::vector<FileFilter>& filters,
    const std::optional<std::string>& folder) {
    const std::optional<ChosenFile> chosen = choose(false, caption, filters, folder);
    return chosen ? std::optional(chosen->path) : std::nullopt;
}

std::optional<std::string> QtDocumentWindow::chooseFileToSave(
    const std::string& caption, const std::vector<FileFilter>& filters,
    const std::optional<std::string>& folder) {
    const std::optional<ChosenFile> chosen = choose(true, caption, filters, folder);
    return chosen ? std::optional(chosen->path) : std::nullopt;
}

std::optional<ChosenFile> QtDocumentWindow::chooseNewFile(const std::string& caption,
                                                          const std::vector<FileFilter>& filters,
                                                          const std::string& suggested) {
    return choose(true, caption, filters, std::nullopt, QString::fromStdString(suggested));
}

std::optional<ChosenFile> QtDocumentWindow::choose(bool save, const std::string& caption,
                                                   const std::vector<FileFilter>& filters,
                                                   const std::optional<std::string>& folder,
                                                   const QString& suggested) {
    if (answerFileDialogs) {
        const std::optional<std::string> answer = answerFileDialogs(save);
        if (!answer) return std::nullopt;
        return ChosenFile{*answer, 0};
    }
    QFileDialog dialog(&frame_, QString::fromStdString(caption));
    QStringList names;
    for (const FileFilter& filter : filters) names << qtFilter(filter);
    dialog.setNameFilters(names);
    if (folder) dialog.setDirectory(QString::fromStdString(*folder));
    if (!suggested.isEmpty()) dialog.selectFile(suggested);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(defaultSuffix(filters));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    // Two filters may read alike ("*.csv" both): the filter is told by its whole text.
    const qsizetype filter = std::max<qsizetype>(0, names.indexOf(dialog.selectedNameFilter()));
    return ChosenFile{dialog.selectedFiles().front().toStdString(),
                      static_cast<std::size_t>(filter)};
}

void QtDocumentWindow::setTitle(const std::string& title) {
    frame_.setWindowTitle(QString::fromStdString(title));
}

void QtDocumentWindow::beginWait() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtDocumentWindow::endWait() {
    QApplication::restoreOverrideCursor();
}

}  // namespace sky::app

namespace sky::app {

bool QtDocumentWindow::runTransfer(const std::function<bool()>& transfer) {
    // A laptop that suspends in the middle of a transfer can leave the receiver's flash half
    // written.
    const SleepInhibitor awake(SleepInhibitor::kTransferReason);
    if (transferRunningChanged) transferRunningChanged(true);
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting) QApplication::changeOverrideCursor(Qt::BusyCursor);
    bool result = false;
    QEventLoop loop;
    // The end is queued behind the transfer's last texts and reports, which are shown first.
    std::thread worker([&] {
        // An exception must not leave the thread (that would end the program); the document
        // reports its transfers' own, so this is the last guard.
        try {
            result = transfer();
        } catch (...) {
            result = false;
        }
        QMetaObject::invokeMethod(
            &frame_, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    if (waiting) QApplication::changeOverrideCursor(Qt::WaitCursor);
    if (transferRunningChanged) transferRunningChanged(false);
    return result;
}

bool QtDocumentWindow::runChannelImport(ChannelImportSession& session) {
    ImportChannelsDialog dialog(session, &frame_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDocumentWindow::runOrderPreview(const OrderPreviewRequest& request, OrderChoice& choice) {
    ApplyOrderDialog dialog(request.tokens, request.reference,
                            QString::fromStdString(request.referenceName), &frame_);
    if (dialog.exec() != QDialog::Accepted) return false;
    choice.options = dialog.options();
    choice.plan = dialog.plan();
    return true;
}

bool QtDocumentWindow::runTransponderImport(const TokenArray& tokens, const ScanTableFolder& folder,
                                            TransponderChoice& choice) {
    ImportTranspondersDialog dialog(tokens, folder, *this, &frame_);
    if (dialog.exec() != QDialog::Accepted) return false;
    choice.preview = dialog.preview();
    choice.newSatellite = dialog.chosenNewSatellite();
    return true;
}

void QtDocumentWindow::setClipboard(const std::string& text, const std::string& html) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(text));
    data->setHtml(QString::fromStdString(html));
    QApplication::clipboard()->setMimeData(data);
}

void QtDocumentWindow::runHistory(HistorySession& session) {
    HistoryDialog dialog(session, &frame_);
    dialog.exec();
}

}  // namespace sky::app
