#include "shell/ColumnLayout.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string_view>

namespace sky {

namespace {

// A width read from the store is taken up to this; a larger one is no choice.
constexpr int kLargestWidth = 4000;

constexpr std::array<ViewKind, 6> kSectionLists{
    ViewKind::SatelliteNameList, ViewKind::SatelliteList,      ViewKind::DigitalTpList,
    ViewKind::AnalogChannelList, ViewKind::DigitalChannelList, ViewKind::DigitalPidChannelList,
};

std::string keyOf(const LayoutView& view) {
    switch (view.kind) {
        case ViewKind::Detail:
            return view.digital ? "Digital Columns" : "Analog Columns";
        case ViewKind::SatelliteNameList:
            return "Satellite Name List Columns";
        case ViewKind::SatelliteList:
            return "Satellite List Columns";
        case ViewKind::DigitalTpList:
            return "Digital TP List Columns";
        case ViewKind::AnalogChannelList:
            return "Analog Channel List Columns";
        case ViewKind::DigitalChannelList:
            return "Digital Channel List Columns";
        case ViewKind::DigitalPidChannelList:
            return "Digital Channel Pid List Columns";
    }
    return "Digital Columns";
}

std::vector<LayoutView> everyView() {
    std::vector<LayoutView> views{{ViewKind::Detail, true}, {ViewKind::Detail, false}};
    for (const ViewKind kind : kSectionLists) views.push_back({kind, true});
    return views;
}

std::optional<int> widthOf(std::string_view digits) {
    int width = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), width);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    if (width <= 0 || width > kLargestWidth) return std::nullopt;
    return width;
}

}  // namespace

ColumnLayout::ColumnLayout(ISettingsStore& store) : store_(store) {}

// Each column of the stored value is one comma-separated item: empty for a column the user left
// alone, else "h" (hidden) or "s" (shown) or nothing, then the width dragged, if any. An item
// that does not read so counts as left alone.
const ColumnLayout::Choices& ColumnLayout::choicesOf(const LayoutView& view) const {
    const std::string key = keyOf(view);
    if (const auto found = choices_.find(key); found != choices_.end()) return found->second;
    Choices choices;
    const std::string text = store_.readString(kSection, key).value_or("");
    std::string_view rest(text);
    while (!text.empty()) {
        const std::size_t comma = rest.find(',');
        std::string_view item = rest.substr(0, comma);
        Choice choice;
        if (!item.empty() && (item.front() == 'h' || item.front() == 's')) {
            choice.shown = item.front() == 'h' ? Shown::Hidden : Shown::Shown;
            item.remove_prefix(1);
        }
        if (!item.empty()) {
            const std::optional<int> width = widthOf(item);
            choice = width ? Choice{choice.shown, *width} : Choice{};
        }
        choices.push_back(choice);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return choices_[key] = std::move(choices);
}

ColumnLayout::Choices& ColumnLayout::editableChoicesOf(const LayoutView& view, std::size_t column) {
    choicesOf(view);
    Choices& choices = choices_[keyOf(view)];
    if (choices.size() <= column) choices.resize(column + 1);
    return choices;
}

void ColumnLayout::save(const LayoutView& view) {
    std::string text;
    const Choices& choices = choicesOf(view);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (i > 0) text += ',';
        const Choice& choice = choices[i];
        if (choice.shown == Shown::Hidden) text += 'h';
        if (choice.shown == Shown::Shown) text += 's';
        if (choice.width > 0) text += std::to_string(choice.width);
    }
    store_.writeString(kSection, keyOf(view), text);
}

std::vector<Column> ColumnLayout::columns(const LayoutView& view,
                                          std::vector<Column> program) const {
    const Choices& choices = choicesOf(view);
    for (std::size_t i = 0; i < program.size() && i < choices.size(); ++i) {
        const Choice& choice = choices[i];
        const int own = program[i].width;
        switch (choice.shown) {
            case Shown::Hidden:
                program[i].width = 0;
                break;
            case Shown::Shown:
                program[i].width = choice.width > 0 ? choice.width : own > 0 ? own : kShownWidth;
                break;
            case Shown::Program:
                if (own > 0 && choice.width > 0) program[i].width = choice.width;
                break;
        }
    }
    return program;
}

void ColumnLayout::setWidth(const LayoutView& view, std::size_t column, int width) {
    if (width <= 0) return;
    Choices& choices = editableChoicesOf(view, column);
    if (choices[column].width == width) return;
    choices[column].width = std::min(width, kLargestWidth);
    save(view);
}

bool ColumnLayout::canHide(const LayoutView& view, std::size_t column,
                           const std::vector<Column>& program) const {
    const std::vector<Column> shown = columns(view, program);
    if (column >= shown.size() || shown[column].width <= 0) return false;
    return std::count_if(shown.begin(), shown.end(), [](const Column& c) { return c.width > 0; }) >
           1;
}

bool ColumnLayout::setHidden(const LayoutView& view, std::size_t column, bool hidden,
                             const std::vector<Column>& program) {
    if (column >= program.size()) return false;
    if (hidden && !canHide(view, column, program)) return false;
    Choices& choices = editableChoicesOf(view, column);
    choices[column].shown = hidden                      ? Shown::Hidden
                            : program[column].width > 0 ? Shown::Program
                                                        : Shown::Shown;
    save(view);
    commit();
    return true;
}

void ColumnLayout::reset(const LayoutView& view) {
    choices_[keyOf(view)].clear();
    store_.remove(kSection, keyOf(view));
    commit();
}

void ColumnLayout::resetAll() {
    for (const LayoutView& view : everyView()) {
        choices_[keyOf(view)].clear();
        store_.remove(kSection, keyOf(view));
    }
    commit();
}

}  // namespace sky
