#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QMimeData;

namespace sky::app {

// Takes files dropped on a window from a file manager: a drag that carries a local file is
// accepted while `canOpen` says so, and its drop opens the first file through `open`, once the
// drop has ended (the file manager is not kept waiting on the questions Open may ask). Any other
// drag is left to the widget under it (the list's own row drags) and refused by the window.
class FileDrop : public QObject {
    Q_OBJECT
public:
    FileDrop(QWidget& window, std::function<bool()> canOpen,
             std::function<void(const QString&)> open);

    // The first file a drag carries when it is a local file; nothing otherwise.
    static std::optional<QString> droppedFile(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::function<bool()> canOpen_;
    std::function<void(const QString&)> open_;
};

}  // namespace sky::app
