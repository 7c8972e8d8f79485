#include "app/dialogs/RenameChannelsDialog.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <numeric>
#include <string>
#include <utility>

#include "editor/document/ListDocument.h"
#include "editor/model/NameEncoding.h"
#include "editor/view/ListView.h"

namespace sky::app {

// The preview's rows as the table reads them: the number with the row's tick box, the old and
// new names and the library's note.
class RenamePreviewModel : public QAbstractTableModel {
public:
    RenamePreviewModel(RenamePreview& preview, QObject* parent)
        : QAbstractTableModel(parent), preview_(preview) {}

    // The preview was made anew.
    void reset() {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(preview_.rows.size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : RenameChannelsDialog::Columns;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        static const char* const titles[] = {"No.", "Old Name", "New Name", "Note"};
        return section >= 0 && section < RenameChannelsDialog::Columns ? titles[section]
                                                                       : QVariant();
    }

    QVariant data(const QModelIndex& index, int role) const override {
        const RenameRow& row = preview_.rows[static_cast<std::size_t>(index.row())];
        if (role == Qt::CheckStateRole && index.column() == RenameChannelsDialog::Number) {
            return row.ticked ? Qt::Checked : Qt::Unchecked;
        }
        if (role != Qt::DisplayRole) return {};
        switch (index.column()) {
            case RenameChannelsDialog::Number:
                return QString::fromStdString(row.number);
            case RenameChannelsDialog::OldName:
                return QString::fromStdString(utf8Name(row.oldName));
            case RenameChannelsDialog::NewName:
                return QString::fromStdString(utf8Name(row.newName));
            default:
                return QString::fromUtf8(renameNote(row));
        }
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags flags = Qt::ItemIsEnabled;
        if (index.column() == RenameChannelsDialog::Number &&
            canTick(preview_.rows[static_cast<std::size_t>(index.row())])) {
            flags |= Qt::ItemIsUserCheckable;
        }
        return flags;
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (role != Qt::CheckStateRole || index.column() != RenameChannelsDialog::Number)
            return false;
        const bool ticked = value.toInt() == Qt::Checked;
        if (!setTicked(preview_, static_cast<std::size_t>(index.row()), ticked)) return false;
        // A tick changes which names equal another's: every row's note may change.
        emit dataChanged(this->index(0, 0),
                         this->index(rowCount({}) - 1, RenameChannelsDialog::Note));
        return true;
    }

private:
    RenamePreview& preview_;
};

RenameChannelsDialog::RenameChannelsDialog(const TokenArray& tokens, std::vector<RecordRef> records,
                                           bool selected, QWidget* parent)
    : QDialog(parent), tokens_(tokens), records_(std::move(records)) {
    setWindowTitle("Rename Channels");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(selected ? "The selected channels, by these rules in order:"
                                          : "Every channel shown, by these rules in order:",
                                 this));

    auto* ruleRow = new QHBoxLayout;
    kind_ = new QComboBox(this);
    kind_->setObjectName("RuleKind");
    for (const RenameRuleKind kind : kRenameRuleKinds) kind_->addItem(ruleKindName(kind));
    ruleRow->addWidget(kind_);
    text_ = new QLineEdit(this);
    text_->setObjectName("RuleText");
    text_->setAccessibleName("Rule text");
    ruleRow->addWidget(text_, 1);
    // The rule's text is what a user types first; the kind is chosen with the mouse or Tab.
    text_->setFocus();
    add_ = new QPushButton("&Add", this);
    ruleRow->addWidget(add_);
    layout->addLayout(ruleRow);
    ruleError_ = new QLabel(this);
    ruleError_->setWordWrap(true);
    ruleError_->hide();
    layout->addWidget(ruleError_);

    auto* listRow = new QHBoxLayout;
    ruleList_ = new QListWidget(this);
    ruleList_->setObjectName("RenameRules");
    ruleList_->setAccessibleName("Rules");
    ruleList_->setMaximumHeight(ruleList_->fontMetrics().height() * 6);
    listRow->addWidget(ruleList_, 1);
    remove_ = new QPushButton("Re&move", this);
    listRow->addWidget(remove_, 0, Qt::AlignTop);
    layout->addLayout(listRow);

    model_ = new RenamePreviewModel(preview_, this);
    rows_ = new QTableView(this);
    rows_->setObjectName("RenamePreview");
    rows_->setAccessibleName("New names");
    rows_->setModel(model_);
    rows_->verticalHeader()->hide();
    rows_->verticalHeader()->setDefaultSectionSize(rows_->fontMetrics().height() + 6);
    rows_->setSelectionMode(QAbstractItemView::NoSelection);
    rows_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(rows_, 1);

    count_ = new QLabel(this);
    layout->addWidget(count_);

    auto* buttons = new QDialogButtonBox(this);
    rename_ = buttons->addButton("&Rename", QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    // Enter in the rule's text adds the rule; Rename is pressed on purpose.
    rename_->setAutoDefault(false);
    add_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    const auto showHint = [this](int kind) {
        text_->setPlaceholderText(ruleHint(kRenameRuleKinds[kind]));
    };
    showHint(0);
    connect(kind_, &QComboBox::currentIndexChanged, this, showHint);
    connect(add_, &QPushButton::clicked, this, [this] { addRule(); });
    connect(remove_, &QPushButton::clicked, this, [this] { removeRule(); });
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] { showCount(); });
    updatePreview();
    resize(720, 560);
}

RenameChannelsDialog::~RenameChannelsDialog() = default;

void RenameChannelsDialog::addRule() {
    const auto kind = kRenameRuleKinds[kind_->currentIndex()];
    std::string error;
    std::optional<RenameRule> rule = parseRenameRule(kind, text_->text().toStdString(), error);
    ruleError_->setText(QString::fromStdString(error));
    ruleError_->setVisible(!rule);
    if (!rule) return;
    ruleList_->addItem(
        QString("%1: %2").arg(ruleKindName(kind), QString::fromStdString(ruleText(*rule))));
    rules_.push_back(std::move(*rule));
    text_->clear();
    updatePreview();
}

void RenameChannelsDialog::removeRule() {
    const int row = ruleList_->currentRow();
    if (row < 0 || row >= static_cast<int>(rules_.size())) return;
    delete ruleList_->takeItem(row);
    rules_.erase(rules_.begin() + row);
    updatePreview();
}

void RenameChannelsDialog::updatePreview() {
    preview_ = previewRename(tokens_, records_, rules_);
    model_->reset();
    showCount();
}

void RenameChannelsDialog::showCount() {
    count_->setText(QString("%1 of %2 channels will be renamed.")
                        .arg(tickedCount(preview_))
                        .arg(preview_.rows.size()));
    rename_->setEnabled(tickedCount(preview_) > 0);
}

void runRenameChannelsDialog(ListDocument& document, const ListView& view,
                             const std::vector<std::size_t>& selectedRows, QWidget* parent) {
    const ShownList& shown = view.shownList();
    std::vector<std::size_t> rows = selectedRows;
    if (rows.empty()) {
        rows.resize(shown.rowCount());
        std::iota(rows.begin(), rows.end(), std::size_t{0});
    }
    RenameChannelsDialog dialog(
        document.tokens(),
        viewRecords(document.tokens(), view.viewKind(), view.digitalFlag(), shown.listRows(rows)),
        !selectedRows.empty(), parent);
    if (dialog.exec() != QDialog::Accepted) return;
    renameChannels(document, dialog.preview());
}

}  // namespace sky::app
