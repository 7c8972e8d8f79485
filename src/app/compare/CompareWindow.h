#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "editor/document/ListDocument.h"
#include "shell/OpenComparison.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableView;

namespace sky {
class ListView;
}

namespace sky::app {

class CompareTableModel;

// The comparison window: the open list against another list (Compare with List, Compare with
// Receiver), beside the main window. At the top the counts of each section's differences by
// kind; below them the section shown and the kinds shown, and the rows with their numbers in
// both lists, the name and the columns that differ. A double-click on a row of the open list
// selects it in the main window's list. When the open list changes, the comparison is made anew
// while the window is open; a closed window compares nothing until Compare shows it again.
class CompareWindow : public QDialog, private IListObserver {
    Q_OBJECT
public:
    CompareWindow(ListDocument& document, ListView& view, QWidget* parent);
    ~CompareWindow() override;

    // Shows the comparison in the window of the parent, made when there is none yet.
    static CompareWindow* showIn(QWidget& parent, ListDocument& document, ListView& view,
                                 std::shared_ptr<OpenComparison> comparison);

    void setComparison(std::shared_ptr<OpenComparison> comparison);
    const OpenComparison* comparison() const { return comparison_.get(); }
    CompareTableModel* model() const { return model_; }
    QTableView* table() const { return table_; }
    QComboBox* sectionChoice() const { return section_; }
    QCheckBox* kindFilter(DifferenceKind kind) const {
        return kinds_[static_cast<std::size_t>(kind)];
    }
    QLabel* counts() const { return counts_; }
    QLabel* status() const { return status_; }

private:
    // IListObserver: the open list changed; it is compared anew once the change is over.
    void listChanged(ListChange change) override;

    void refresh();
    void showSection();
    CompareSection currentSection() const;
    void selectInList(int row);

    ListDocument& document_;
    ListView& view_;
    std::shared_ptr<OpenComparison> comparison_;
    QLabel* counts_ = nullptr;
    QComboBox* section_ = nullptr;
    std::array<QCheckBox*, 4> kinds_{};
    QTableView* table_ = nullptr;
    CompareTableModel* model_ = nullptr;
    QLabel* status_ = nullptr;
    bool refreshPending_ = false;
};

}  // namespace sky::app
