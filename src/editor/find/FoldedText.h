#pragma once

#include <string>
#include <string_view>

namespace sky {

// A text looked for in cells without regard to the case of ASCII letters (the list's names are
// ASCII; other bytes must match as they are). It keeps its own folded form and folds a cell's
// characters one by one as it compares them, so a search allocates nothing.
class FoldedText {
public:
    explicit FoldedText(std::string_view text = {});

    bool empty() const { return folded_.empty(); }
    // Whether the text occurs in `cell`; an empty text occurs in every cell.
    bool foundIn(std::string_view cell) const;

private:
    std::string folded_;
};

}  // namespace sky
