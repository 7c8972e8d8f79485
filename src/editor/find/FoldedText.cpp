#include "editor/find/FoldedText.h"

namespace sky {

namespace {

constexpr char fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

FoldedText::FoldedText(std::string_view text) {
    folded_.reserve(text.size());
    for (char c : text) folded_.push_back(fold(c));
}

bool FoldedText::foundIn(std::string_view cell) const {
    const std::size_t length = folded_.size();
    if (length == 0) return true;
    if (cell.size() < length) return false;
    const char head = folded_.front();
    for (std::size_t at = 0; at + length <= cell.size(); ++at) {
        if (fold(cell[at]) != head) continue;
        std::size_t i = 1;
        while (i < length && fold(cell[at + i]) == folded_[i]) ++i;
        if (i == length) return true;
    }
    return false;
}

}  // namespace sky
