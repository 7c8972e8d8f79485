#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "editor/view/ViewColumns.h"
#include "shell/SettingsStore.h"

namespace sky {

// One of the lists the window shows: the Digital or Analog Channel view, or a section list.
struct LayoutView {
    ViewKind kind = ViewKind::Detail;
    bool digital = true;  // only the Detail views differ by it

    friend bool operator==(const LayoutView&, const LayoutView&) = default;
};

// The columns as the user arranged them, view by view, over the program's own: a width dragged
// and a column hidden or shown from the header's menu. Every column the user has not touched
// keeps the program's width (0 hides it). Kept in the settings' "Layout" section, one value a
// view ("Digital Columns" ...), so that the arrangement outlives the run.
class ColumnLayout {
public:
    static constexpr const char* kSection = "Layout";
    // The width a column the program hides gets when the user shows it and never set one.
    static constexpr int kShownWidth = 60;

    explicit ColumnLayout(ISettingsStore& store);

    // The columns of a view as the window shows them: the program's, with the user's widths and
    // choices put over them (width 0: hidden).
    std::vector<Column> columns(const LayoutView& view, std::vector<Column> program) const;

    // The user dragged a column to this width; a width of 0 or less is no choice (the header
    // reports a hidden column so) and is ignored. Written to the store without committing it:
    // a drag reports many widths, and the store keeps them until it is next committed.
    void setWidth(const LayoutView& view, std::size_t column, int width);
    // Hides or shows a column; hiding the last column shown is refused (false).
    bool setHidden(const LayoutView& view, std::size_t column, bool hidden,
                   const std::vector<Column>& program);
    // A column may be hidden: it is shown and another one is shown too.
    bool canHide(const LayoutView& view, std::size_t column,
                 const std::vector<Column>& program) const;
    // The program's columns again for one view (Reset Columns, View Detail) or for all of them.
    void reset(const LayoutView& view);
    void resetAll();
    // Writes to the store what it holds; false when that failed.
    bool commit() { return store_.commit(); }

private:
    enum class Shown { Program, Hidden, Shown };
    struct Choice {
        Shown shown = Shown::Program;
        int width = 0;  // 0: the program's
    };
    using Choices = std::vector<Choice>;

    const Choices& choicesOf(const LayoutView& view) const;
    Choices& editableChoicesOf(const LayoutView& view, std::size_t column);
    void save(const LayoutView& view);

    ISettingsStore& store_;
    // The views' choices read from the store, by key.
    mutable std::map<std::string, Choices> choices_;
};

}  // namespace sky
