#include "app/dialogs/ApplyOrderDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace sky::app {

namespace {

const char* viewName(const ViewOrderPlan& plan) {
    return plan.digitalView ? "Digital Channel" : "Analog Channel";
}

}  // namespace

QString orderCountsText(const ViewOrderPlan& plan, UnmatchedRows unmatched) {
    if (!plan.ordered) {
        return QString("%1: not in the reference; its order stays as it is.").arg(viewName(plan));
    }
    return QString(
               "%1: %2 matched by identity, %3 by name, %4 unmatched (%5), %6 null channel "
               "place%7, %8 of the reference not found.")
        .arg(viewName(plan))
        .arg(plan.byIdentity)
        .arg(plan.byName)
        .arg(plan.unmatched.size())
        .arg(unmatched == UnmatchedRows::Keep ? "placed after the matched ones" : "removed")
        .arg(plan.nullPlaces)
        .arg(plan.nullPlaces == 1 ? "" : "s")
        .arg(plan.notFound.size());
}

ApplyOrderDialog::ApplyOrderDialog(const TokenArray& tokens, const OrderReference& reference,
                                   const QString& referenceName, QWidget* parent)
    : QDialog(parent), tokens_(tokens), reference_(reference) {
    setWindowTitle("Apply Order from List");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Reference: " + referenceName, this));

    auto* counts = new QGroupBox("Channels matched", this);
    auto* countsLayout = new QVBoxLayout(counts);
    digital_ = new QLabel(counts);
    analog_ = new QLabel(counts);
    for (QLabel* label : {digital_, analog_}) {
        label->setWordWrap(true);
        countsLayout->addWidget(label);
    }
    countsLayout->addWidget(new QLabel("Channels the reference does not name:", counts));
    unmatched_ = new QListWidget(counts);
    unmatched_->setObjectName("UnmatchedChannels");
    unmatched_->setAccessibleName("Channels without a match");
    unmatched_->setSelectionMode(QAbstractItemView::NoSelection);
    countsLayout->addWidget(unmatched_);
    layout->addWidget(counts);

    auto* options = new QGroupBox("Options", this);
    auto* optionsLayout = new QFormLayout(options);
    keep_ =
        new QRadioButton("&Place them after the matched channels, in their present order", options);
    remove_ = new QRadioButton("&Remove them from the list", options);
    keep_->setChecked(true);
    optionsLayout->addRow("Unmatched channels:", keep_);
    optionsLayout->addRow("", remove_);
    nullPlaces_ = new QCheckBox("&Keep the reference's null channels in their places", options);
    nullPlaces_->setChecked(true);
    optionsLayout->addRow("", nullPlaces_);
    start_ = new QSpinBox(options);
    // The options shown first are the defaults: their plan is the first one shown.
    plan_ = planOrder(tokens_, reference_, OrderOptions{});
    start_->setRange(1, static_cast<int>(std::max<std::size_t>(
                            {plan_.digital.rowsBefore, plan_.analog.rowsBefore, 1})));
    optionsLayout->addRow("&Start at number:", start_);
    layout->addWidget(options);

    unchanged_ = new QLabel("The list is already in this order; Apply would change nothing.", this);
    layout->addWidget(unchanged_);

    auto* buttons = new QDialogButtonBox(this);
    apply_ = buttons->addButton("&Apply", QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    apply_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(remove_, &QRadioButton::toggled, this, [this] { updatePlan(); });
    connect(nullPlaces_, &QCheckBox::toggled, this, [this] { updatePlan(); });
    connect(start_, &QSpinBox::valueChanged, this, [this] { updatePlan(); });
    showPlan();
    resize(560, 480);
}

OrderOptions ApplyOrderDialog::options() const {
    OrderOptions options;
    options.unmatched = remove_->isChecked() ? UnmatchedRows::Remove : UnmatchedRows::Keep;
    options.keepNullPlaces = nullPlaces_->isChecked();
    options.startNumber = static_cast<std::size_t>(start_->value());
    return options;
}

void ApplyOrderDialog::updatePlan() {
    plan_ = planOrder(tokens_, reference_, options());
    showPlan();
}

void ApplyOrderDialog::showPlan() {
    const OrderOptions chosen = options();
    digital_->setText(orderCountsText(plan_.digital, chosen.unmatched));
    analog_->setText(orderCountsText(plan_.analog, chosen.unmatched));
    unmatched_->clear();
    for (const ViewOrderPlan* view : {&plan_.digital, &plan_.analog}) {
        if (!view->ordered || view->unmatched.empty()) continue;
        auto* heading = new QListWidgetItem(viewName(*view), unmatched_);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        for (const OrderRowText& row : view->unmatched) {
            unmatched_->addItem(QString::fromStdString(row.number) + "  " +
                                QString::fromStdString(row.name));
        }
    }
    const bool changes = plan_.changesList();
    unchanged_->setVisible(!changes);
    apply_->setEnabled(changes);
}

}  // namespace sky::app
