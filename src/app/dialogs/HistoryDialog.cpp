#include "app/dialogs/HistoryDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace sky::app {

HistoryDialog::HistoryDialog(HistorySession& session, QWidget* parent)
    : QDialog(parent),
      session_(session),
      list_(new QTreeWidget(this)),
      compare_(new QPushButton("&Compare with Open List", this)),
      open_(new QPushButton("&Open as New List", this)),
      delete_(new QPushButton("&Delete", this)) {
    setWindowTitle("History");
    setObjectName("HistoryDialog");
    list_->setHeaderLabels({"Date", "Sent/Fetched", "Channels", "From"});
    list_->setRootIsDecorated(false);
    list_->setAccessibleName("Lists sent and fetched");
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Enter opens the chosen list; it never deletes one.
    delete_->setAutoDefault(false);
    compare_->setAutoDefault(false);
    open_->setDefault(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(compare_, QDialogButtonBox::ActionRole);
    buttons->addButton(open_, QDialogButtonBox::ActionRole);
    buttons->addButton(delete_, QDialogButtonBox::DestructiveRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(compare_, &QPushButton::clicked, this,
            [this] { choose(HistoryAction::CompareWithOpenList); });
    connect(open_, &QPushButton::clicked, this, [this] { choose(HistoryAction::OpenAsNewList); });
    connect(delete_, &QPushButton::clicked, this, &HistoryDialog::deleteChosen);
    connect(list_, &QTreeWidget::currentItemChanged, this, &HistoryDialog::updateButtons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(760, 380);
    showEntries();
}

void HistoryDialog::showEntries() {
    list_->clear();
    for (const HistoryEntry& entry : session_.entries()) {
        list_->addTopLevelItem(
            new QTreeWidgetItem({QString::fromStdString(entry.when),
                                 QString::fromStdString(HistorySession::kindText(entry)),
                                 QString::fromStdString(HistorySession::countsText(entry)),
                                 QString::fromStdString(entry.source)}));
    }
    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
    updateButtons();
}

void HistoryDialog::updateButtons() {
    const bool chosen = list_->currentItem() != nullptr;
    compare_->setEnabled(chosen && session_.canCompare());
    open_->setEnabled(chosen);
    delete_->setEnabled(chosen);
}

void HistoryDialog::choose(HistoryAction action) {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0) return;
    session_.choose(action, static_cast<std::size_t>(row));
    accept();
}

void HistoryDialog::deleteChosen() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0) return;
    if (!session_.remove(static_cast<std::size_t>(row))) {
        QMessageBox::warning(this, windowTitle(), "The kept list could not be deleted.");
    }
    showEntries();
    if (row < list_->topLevelItemCount()) list_->setCurrentItem(list_->topLevelItem(row));
}

}  // namespace sky::app
