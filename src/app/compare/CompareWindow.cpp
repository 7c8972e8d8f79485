#include "app/compare/CompareWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "app/compare/CompareTableModel.h"
#include "editor/view/ListView.h"

namespace sky::app {

namespace {

constexpr const char* kHint = "Double-click a row to select it in the list.";
// The rows whose texts the columns' widths are fitted to.
constexpr int kRowsSized = 200;

QString otherNameOf(const OpenComparison& comparison) {
    return QString::fromStdString(comparison.otherName);
}

// The counts of every section by kind, as a table, under the summary.
QString countsText(const OpenComparison& comparison) {
    const ListComparison& result = comparison.result;
    QString html = "<b>" +
                   (result.equal() ? QString("The lists are equal.")
                                   : QString::fromStdString(differenceSummary(result))) +
                   "</b><table cellspacing=0 cellpadding=3><tr><th align=left>Section</th>";
    for (const DifferenceKind kind : kDifferenceKinds) {
        html += "<th align=right>" +
                CompareTableModel::kindText(kind, otherNameOf(comparison)).toHtmlEscaped() +
                "</th>";
    }
    html += "</tr>";
    for (const SectionComparison& section : result.sections) {
        html += QString("<tr><td>%1</td>").arg(compareSectionTitle(section.section));
        for (const DifferenceKind kind : kDifferenceKinds) {
            html += QString("<td align=right>%1</td>").arg(section.count(kind));
        }
        html += "</tr>";
    }
    return html + "</table>";
}

}  // namespace

CompareWindow::CompareWindow(ListDocument& document, ListView& view, QWidget* parent)
    : QDialog(parent), document_(document), view_(view) {
    setObjectName("CompareWindow");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    counts_ = new QLabel(this);
    counts_->setObjectName("CompareCounts");
    counts_->setTextFormat(Qt::RichText);

    section_ = new QComboBox(this);
    section_->setObjectName("CompareSection");
    for (const CompareSection section : kCompareSections) {
        section_->addItem(compareSectionTitle(section), static_cast<int>(section));
    }
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel("Section:", this));
    filters->addWidget(section_);
    filters->addSpacing(12);
    filters->addWidget(new QLabel("Show:", this));
    for (const DifferenceKind kind : kDifferenceKinds) {
        auto* box = new QCheckBox(this);
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, &CompareWindow::showSection);
        filters->addWidget(box);
        kinds_[static_cast<std::size_t>(kind)] = box;
    }
    filters->addStretch(1);
    connect(section_, &QComboBox::currentIndexChanged, this, &CompareWindow::showSection);

    model_ = new CompareTableModel(this);
    table_ = new QTableView(this);
    table_->setObjectName("CompareTable");
    table_->setAccessibleName("Differences");
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    // The columns fit the first rows of a section; all of a large list's would take long.
    table_->horizontalHeader()->setResizeContentsPrecision(kRowsSized);
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { selectInList(index.row()); });

    status_ = new QLabel(kHint, this);
    status_->setObjectName("CompareStatus");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(counts_);
    layout->addLayout(filters);
    layout->addWidget(table_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
    resize(820, 560);
    document_.addObserver(*this);
}

CompareWindow::~CompareWindow() {
    document_.removeObserver(*this);
}

CompareWindow* CompareWindow::showIn(QWidget& parent, ListDocument& document, ListView& view,
                                     std::shared_ptr<OpenComparison> comparison) {
    auto* window = parent.findChild<CompareWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) window = new CompareWindow(document, view, &parent);
    window->setComparison(std::move(comparison));
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void CompareWindow::setComparison(std::shared_ptr<OpenComparison> comparison) {
    comparison_ = std::move(comparison);
    const QString other = otherNameOf(*comparison_);
    setWindowTitle("Skylister - Compare: the open list and " + other);
    for (const DifferenceKind kind : kDifferenceKinds) {
        kinds_[static_cast<std::size_t>(kind)]->setText(CompareTableModel::kindText(kind, other));
    }
    // The first section that differs is shown first.
    for (const SectionComparison& section : comparison_->result.sections) {
        if (section.differences.empty()) continue;
        section_->setCurrentIndex(static_cast<int>(section.section));
        break;
    }
    refresh();
}

void CompareWindow::listChanged(ListChange) {
    // A closed window compares no more: Compare opens it again with a comparison of its own.
    if (!comparison_ || refreshPending_ || isHidden()) return;
    refreshPending_ = true;
    // Edits come in bursts (an edit, then its renumbering): one comparison after them.
    QTimer::singleShot(0, this, [this] {
        refreshPending_ = false;
        comparison_->compareWith(document_.tokens());
        refresh();
    });
}

void CompareWindow::refresh() {
    counts_->setText(countsText(*comparison_));
    for (const SectionComparison& section : comparison_->result.sections) {
        section_->setItemText(static_cast<int>(section.section),
                              QString("%1 (%2)")
                                  .arg(compareSectionTitle(section.section))
                                  .arg(section.differences.size()));
    }
    showSection();
}

CompareSection CompareWindow::currentSection() const {
    return static_cast<CompareSection>(section_->currentData().toInt());
}

void CompareWindow::showSection() {
    if (!comparison_) return;
    std::array<bool, 4> kinds{};
    for (std::size_t k = 0; k < kinds.size(); ++k) kinds[k] = kinds_[k]->isChecked();
    model_->show(&comparison_->result.section(currentSection()), kinds, otherNameOf(*comparison_));
    table_->resizeColumnsToContents();
    status_->setText(kHint);
}

void CompareWindow::selectInList(int row) {
    const RowDifference* d = model_->difference(row);
    if (!d) return;
    if (d->kind == DifferenceKind::OnlyInB) {
        status_->setText("This row is only in " + otherNameOf(*comparison_) +
                         "; the open list has no such row.");
        return;
    }
    if (!view_.showRecord(compareSectionState(currentSection()), d->rowA)) {
        status_->setText("The open list has no such row any more.");
        return;
    }
    status_->setText(
        QString("Selected No. %1 of the open list.").arg(QString::fromStdString(d->numberA)));
}

}  // namespace sky::app
