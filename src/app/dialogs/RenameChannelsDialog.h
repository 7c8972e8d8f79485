#pragma once

#include <QDialog>
#include <cstddef>
#include <vector>

#include "editor/model/ChannelRecords.h"
#include "editor/rename/RenamePreview.h"
#include "shell/ListTokens.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;

namespace sky {
class ListView;
class ListDocument;
}  // namespace sky

namespace sky::app {

class RenamePreviewModel;

// Rename Channels: the rules, applied in order (a kind, its text, Add and Remove), and the
// preview of the channels' old and new names with what the library marks of each, one row per
// channel with a tick box where the row may be ticked. Every change of a rule previews anew.
// Rename accepts the dialog; the caller renames preview(). The list is only read here.
class RenameChannelsDialog : public QDialog {
    Q_OBJECT
public:
    RenameChannelsDialog(const TokenArray& tokens, std::vector<RecordRef> records, bool selected,
                         QWidget* parent);
    ~RenameChannelsDialog() override;

    const RenamePreview& preview() const { return preview_; }

    QComboBox* kindBox() const { return kind_; }
    QLineEdit* ruleEdit() const { return text_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* removeButton() const { return remove_; }
    QListWidget* ruleList() const { return ruleList_; }
    QLabel* ruleErrorLabel() const { return ruleError_; }
    QTableView* rowTable() const { return rows_; }
    QLabel* countLabel() const { return count_; }
    QPushButton* renameButton() const { return rename_; }

    // The table's columns.
    enum Column { Number, OldName, NewName, Note, Columns };

private:
    void addRule();
    void removeRule();
    void updatePreview();
    void showCount();

    const TokenArray& tokens_;
    std::vector<RecordRef> records_;
    std::vector<RenameRule> rules_;
    RenamePreview preview_;
    RenamePreviewModel* model_ = nullptr;
    QComboBox* kind_ = nullptr;
    QLineEdit* text_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QListWidget* ruleList_ = nullptr;
    QLabel* ruleError_ = nullptr;
    QTableView* rows_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* rename_ = nullptr;
};

// Shows the dialog modally over the window on the channels of the view shown: the selected rows
// (shown rows) or, when none is selected, every shown row; renames what the user ticks as one
// edit of the document.
void runRenameChannelsDialog(ListDocument& document, const ListView& view,
                             const std::vector<std::size_t>& selectedRows, QWidget* parent);

}  // namespace sky::app
