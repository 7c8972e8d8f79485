#pragma once

#include <QDialog>
#include <vector>

#include "editor/duplicates/DuplicateGroups.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeView;

namespace sky {
class ListView;
class ListDocument;
}  // namespace sky

namespace sky::app {

class DuplicateGroupsModel;

// Edit Channel > Find Duplicates: the section to search and the rule (the same channel or
// transponder, or the same name), the groups found with their shared cells, a check box per group
// for whether Remove clears it and the row it keeps, the count of what Remove takes out, and
// Remove Duplicates and Close. Remove is one edit of the list document (one step of Undo); the
// groups are then found again in the list as it now is.
class DuplicatesDialog : public QDialog {
    Q_OBJECT
public:
    DuplicatesDialog(ListDocument& document, DuplicateSection section, QWidget* parent);

    // The controls, for the window tests.
    QComboBox* sectionList() const { return sectionList_; }
    QRadioButton* exactMatch() const { return exactMatch_; }
    QRadioButton* nameMatch() const { return nameMatch_; }
    QTreeView* groupsView() const { return groupsView_; }
    DuplicateGroupsModel* groupsModel() const { return model_; }
    QLabel* countLabel() const { return count_; }
    QPushButton* removeButton() const { return remove_; }

private:
    DuplicateSection section() const;
    DuplicateMatch match() const;
    // Finds the groups of the section under the rule and shows them. Those that were among
    // `earlier` (the groups Remove was given; `removed`: whether it took rows out) keep the
    // choices made for them.
    void find(const std::vector<DuplicateGroup>& earlier = {}, bool removed = false);
    void showCount();
    void removeChosen();

    ListDocument& document_;
    QComboBox* sectionList_;
    QRadioButton* exactMatch_;
    QRadioButton* nameMatch_;
    QTreeView* groupsView_;
    DuplicateGroupsModel* model_;
    QLabel* count_;
    QLabel* note_;
    QPushButton* remove_;
};

// Shows the dialog modally over the window, on the section the list view shows.
void runDuplicatesDialog(ListDocument& document, const ListView& view, QWidget* parent);

}  // namespace sky::app
