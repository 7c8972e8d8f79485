#include "app/frame/MessageWindow.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace sky::app {

MessageWindow::MessageWindow(QWidget* parent)
    : QDockWidget(tr("Message"), parent), edit_(new QPlainTextEdit(this)) {
    setObjectName("MessageWindow");
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    edit_->setReadOnly(true);
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->setObjectName("MessageText");
    setWidget(edit_);
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        if (floating) resize(floatingSize());
    });
}

QSize MessageWindow::floatingSize() const {
    // A dialog unit is a quarter of the font's average character width across and an eighth of
    // its height down.
    const QFontMetrics metrics(font());
    return {277 * metrics.averageCharWidth() / 4, 229 * metrics.height() / 8};
}

QString MessageWindow::text() const {
    return edit_->toPlainText();
}

void MessageWindow::showNow(bool show) {
    setVisible(show);
    if (show) repaint();
}

void MessageWindow::clear() {
    edit_->clear();
    edit_->repaint();
}

void MessageWindow::write(const QString& text) {
    showNow(true);
    if (text == "CLEAR ALL MESSAGE") {
        clear();
        return;
    }
    if (text == "HIDE MESSAGE WINDOW") {
        showNow(false);
        return;
    }
    if (text == "SHOW MESSAGE WINDOW") {
        showNow(true);
        return;
    }
    QString plain = text;
    plain.replace("\r\n", "\n");
    plain.replace('\r', '\n');
    QTextCursor cursor(edit_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(plain);
    edit_->moveCursor(QTextCursor::End);
    edit_->ensureCursorVisible();
    edit_->repaint();
}

}  // namespace sky::app
