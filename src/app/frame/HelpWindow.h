#pragma once

#include <QDialog>

class QTextBrowser;

namespace sky::app {

// Help Topics: the user guide (docs/user-guide.md, shipped in the resources) shown through Qt's
// Markdown support.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

// The user guide's Markdown text from the resources.
QString userGuideMarkdown();

}  // namespace sky::app
