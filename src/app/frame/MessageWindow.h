#pragma once

#include <QDockWidget>

class QPlainTextEdit;

namespace sky::app {

// The message window: a read-only text in a dock beside the list, left or right only,
// in which a transfer reports what it does. Each write shows the window and repaints at once:
// transfers run on the user-interface thread.
class MessageWindow : public QDockWidget {
    Q_OBJECT
public:
    explicit MessageWindow(QWidget* parent = nullptr);

    // Write message: "CLEAR ALL MESSAGE" empties the text, "HIDE MESSAGE WINDOW" and
    // "SHOW MESSAGE WINDOW" hide and show the window; any other text is appended as it is
    // ("\r\n" becomes a line break).
    void write(const QString& text);
    void clear();
    void showNow(bool show);

    QPlainTextEdit* edit() const { return edit_; }
    QString text() const;

    // The window's own size, 277 by 229 dialog units of its font, which it takes when floated:
    // docked it spans the list's height, which as a floating window would cover the list.
    QSize floatingSize() const;

private:
    QPlainTextEdit* edit_;
};

}  // namespace sky::app
