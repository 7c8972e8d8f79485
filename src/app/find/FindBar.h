#pragma once

#include <QWidget>

#include "editor/find/FindQuery.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace sky {
class ListView;
}

namespace sky::app {

class ChannelTableView;

// The find bar above the list: a text field, the column it looks in, the satellite and the
// TV / radio filters, "Show only matching rows", the count of the matches, the steps to the next
// and the previous match and a close button. It only binds the list view's find and filter
// (setFindQuery, findNext, findPrevious, clearFind, findCountText): every change in the bar sets
// the query at once.
//
// Whenever the table is reset (an edit, a sort, another view, another list) the bar offers the
// choices of the list as now shown and applies what it holds to it again: a sort or a switch of
// view, which clear the list view's query, keep the bar's text and filters in force. A column the
// new view lacks falls back to "All columns", a filter the view has not is set to All and hidden.
class FindBar : public QWidget {
    Q_OBJECT
public:
    FindBar(ListView& view, ChannelTableView& table, QWidget* parent = nullptr);

    // Find (Ctrl+F): shows the bar, or keeps it, with the focus in the text field and its text
    // selected.
    void open();
    // Esc and the close button: the bar is cleared and hidden, every row shown again with the
    // selection kept on its channels, and the focus goes back to the table.
    void close();

    // The query the bar's controls make.
    FindQuery query() const;

protected:
    // Enter and Shift+Enter in the text field step to the next and the previous match.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The table was reset: the choices, the query and the count follow the list as shown now.
    void listReset();
    // Fills the column and satellite choices anew, keeping the current choice where it remains.
    void refreshChoices();
    // Sets the controls' query in the list view when it differs from the view's own.
    void applyQuery();
    void step(bool forward);
    void showCount();
    // The table shows the list view (it lets go of it as the window closes).
    bool attached() const;

    ListView& view_;
    ChannelTableView& table_;
    QLineEdit* text_;
    QComboBox* column_;
    QLabel* satelliteLabel_;
    QComboBox* satellite_;
    QLabel* typeLabel_;
    QComboBox* type_;
    QCheckBox* onlyMatching_;
    QLabel* count_;
    QToolButton* previous_;
    QToolButton* next_;
    QToolButton* close_;
};

}  // namespace sky::app
