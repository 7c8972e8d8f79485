#include "app/frame/FileDrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace sky::app {

FileDrop::FileDrop(QWidget& window, std::function<bool()> canOpen,
                   std::function<void(const QString&)> open)
    : QObject(&window), window_(window), canOpen_(std::move(canOpen)), open_(std::move(open)) {
    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
}

std::optional<QString> FileDrop::droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().isEmpty()) return std::nullopt;
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return std::nullopt;
    const QString path = url.toLocalFile();
    if (!QFileInfo(path).isFile()) return std::nullopt;
    return path;
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const std::optional<QString> file = droppedFile(drop->mimeData());
    if (!file || !canOpen_()) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        QTimer::singleShot(0, this, [this, path = *file] { open_(path); });
    }
    return true;
}

}  // namespace sky::app
