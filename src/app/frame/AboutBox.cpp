#include "app/frame/AboutBox.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/dialogs/ShownText.h"
#include "app/frame/Icons.h"
#include "shell/AboutText.h"

namespace sky::app {

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent),
      version_(new QLineEdit(kAboutVersion, this)),
      date_(new QLineEdit(kAboutDate, this)),
      history_(new QPlainTextEdit(this)) {
    setWindowTitle("About Skylister");
    setObjectName("AboutBox");

    auto* picture = new QLabel(this);
    picture->setPixmap(programIcon().pixmap(72, 72));
    auto* name = new QLabel("<b>" + QString::fromStdString(aboutProgramName()) +
                                "</b><br>Channel list editor for satellite receivers",
                            this);
    name->setObjectName("ProgramName");
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(name, 1);

    version_->setReadOnly(true);
    version_->setObjectName("VersionEdit");
    version_->setAccessibleName("Version");
    date_->setReadOnly(true);
    date_->setObjectName("DateEdit");
    date_->setAccessibleName("Date");
    auto* label = new QLabel(shownText("Skylister Version :\r\n\r\nLast Modefied Date: "), this);
    auto* edits = new QVBoxLayout;
    edits->addWidget(version_);
    edits->addWidget(date_);
    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(label);
    versionRow->addLayout(edits, 1);

    history_->setReadOnly(true);
    history_->setObjectName("HistoryEdit");
    history_->setAccessibleName("History");
    history_->setPlainText(shownText(aboutHistory()));
    history_->setMinimumSize(480, 220);

    auto* ok = new QPushButton("O  K", this);
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(versionRow);
    layout->addWidget(new QLabel("Not Support Pid Section", this));
    layout->addWidget(new QLabel("- - History - -", this));
    layout->addWidget(history_, 1);
    layout->addLayout(buttons);
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    history_->verticalScrollBar()->setValue(history_->verticalScrollBar()->maximum());
}

}  // namespace sky::app
