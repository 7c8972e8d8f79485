#pragma once

#include <QDialog>

#include "editor/order/ApplyOrder.h"
#include "shell/ListTokens.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace sky::app {

// The preview of Apply Order from List: for each view, how many channels the reference matches by
// identity and by name and which stay unmatched, with the options of the order. The counts follow
// the options as they change; Apply accepts the dialog, and the caller applies the order with
// options(). The list is only read here.
class ApplyOrderDialog : public QDialog {
    Q_OBJECT
public:
    ApplyOrderDialog(const TokenArray& tokens, const OrderReference& reference,
                     const QString& referenceName, QWidget* parent);

    OrderOptions options() const;
    // The plan of options() on the list.
    const OrderPlan& plan() const { return plan_; }

    QLabel* countsLabel(bool digitalView) const { return digitalView ? digital_ : analog_; }
    QListWidget* unmatchedList() const { return unmatched_; }
    QRadioButton* keepButton() const { return keep_; }
    QRadioButton* removeButton() const { return remove_; }
    QCheckBox* nullPlacesBox() const { return nullPlaces_; }
    QSpinBox* startBox() const { return start_; }
    QPushButton* applyButton() const { return apply_; }

private:
    // Plans again with the options shown and shows the counts.
    void updatePlan();
    // Shows the counts of the plan.
    void showPlan();

    const TokenArray& tokens_;
    const OrderReference& reference_;
    OrderPlan plan_;
    QLabel* digital_ = nullptr;
    QLabel* analog_ = nullptr;
    QListWidget* unmatched_ = nullptr;
    QRadioButton* keep_ = nullptr;
    QRadioButton* remove_ = nullptr;
    QCheckBox* nullPlaces_ = nullptr;
    QSpinBox* start_ = nullptr;
    QLabel* unchanged_ = nullptr;
    QPushButton* apply_ = nullptr;
};

// "Digital Channel: 12 matched by identity, 2 by name, 3 unmatched, 1 null channel place, 4 of
// the reference not found", or that the reference does not order the view.
QString orderCountsText(const ViewOrderPlan& plan, UnmatchedRows unmatched);

}  // namespace sky::app
