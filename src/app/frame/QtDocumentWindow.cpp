#include "app/frame/QtDocumentWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QWidget>
#include <thread>

#include "app/desktop/SleepInhibitor.h"
#include "app/dialogs/HistoryDialog.h"
#include "app/dialogs/ImportChannelsDialog.h"

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
    return choose(false, caption, filters, folder);
}

std::optional<std::string> QtDocumentWindow::chooseFileToSave(
    const std::string& caption, const std::vector<FileFilter>& filters,
    const std::optional<std::string>& folder) {
    return choose(true, caption, filters, folder);
}

std::optional<std::string> QtDocumentWindow::chooseNewFile(const std::string& caption,
                                                           const std::vector<FileFilter>& filters,
                                                           const std::string& suggested) {
    return choose(true, caption, filters, std::nullopt, QString::fromStdString(suggested));
}

std::optional<std::string> QtDocumentWindow::choose(bool save, const std::string& caption,
                                                    const std::vector<FileFilter>& filters,
                                                    const std::optional<std::string>& folder,
                                                    const QString& suggested) {
    if (answerFileDialogs) return answerFileDialogs(save);
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
    return dialog.selectedFiles().front().toStdString();
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

void QtDocumentWindow::runHistory(HistorySession& session) {
    HistoryDialog dialog(session, &frame_);
    dialog.exec();
}

}  // namespace sky::app
