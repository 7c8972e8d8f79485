#include "app/frame/HelpWindow.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/frame/Icons.h"

namespace sky::app {

QString userGuideMarkdown() {
    QFile file(":/docs/user-guide.md");
    if (!file.open(QIODevice::ReadOnly)) return "# Skylister\n\nThe user guide is missing.";
    return QString::fromUtf8(file.readAll());
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setWindowTitle("Skylister Help");
    setObjectName("HelpWindow");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    browser_->setOpenExternalLinks(true);
    // The guide's pictures are beside it in the resources.
    browser_->setSearchPaths({":/docs"});
    browser_->setMarkdown(userGuideMarkdown());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_, 1);
    layout->addWidget(buttons);
    resize(760, 640);
}

}  // namespace sky::app
