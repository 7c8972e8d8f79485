#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace sky::app {

// The about box: the program's picture, version and date, and the version history
// scrolled to its last line.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    QLineEdit* versionEdit() const { return version_; }
    QLineEdit* dateEdit() const { return date_; }
    QPlainTextEdit* historyEdit() const { return history_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* version_;
    QLineEdit* date_;
    QPlainTextEdit* history_;
};

}  // namespace sky::app
