#pragma once

#include <string>

namespace sky {

// Icons of column 0.
enum ListImage : int {
    kImageTv = 0,     // a detail row whose type is "TV"
    kImageOther = 1,  // any other detail row
    kImagePlain = 2,  // every row of the section lists
};

struct ListPoint {
    int x = 0;
    int y = 0;
};

struct ListHit {
    int row = -1;     // -1: over no row
    int column = -1;  // -1: over no column
};

// What the list view's logic needs of a report-style list control with full-row selection.
// The desktop program wraps its list widget in it; tests use a recording double.
class IListControl {
public:
    virtual ~IListControl() = default;

    virtual void deleteAllItems() = 0;
    virtual void deleteColumn(int column) = 0;
    // A left-aligned column; a width of 0 hides it.
    virtual void insertColumn(int column, const std::string& header, int width) = 0;
    // A row with the text of column 0 and its icon.
    virtual void insertItem(int row, const std::string& text, int image) = 0;
    virtual void setItemText(int row, int column, const std::string& text) = 0;

    virtual int itemCount() const = 0;
    virtual int selectedCount() const = 0;
    virtual bool isSelected(int row) const = 0;
    // Adds the row to the selection and gives it the focus.
    virtual void selectAndFocus(int row) = 0;
    virtual void ensureVisible(int row) = 0;
    virtual int topIndex() const = 0;
    virtual int countPerPage() const = 0;
    virtual ListHit hitTest(ListPoint point) const = 0;

    // Attaches the TV, radio and plain icons, 16 by 16 and 32 by 32 pixels, in ListImage order.
    virtual void attachImageLists() = 0;
};

}  // namespace sky
