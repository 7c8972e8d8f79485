#include "editor/duplicates/DuplicateRemoval.h"

#include <array>
#include <cstdint>

#include "db/RecordLayout.h"
#include "editor/editing/ChannelClipboard.h"
#include "editor/model/ChannelRecords.h"

namespace sky {

namespace {

constexpr std::size_t kNoRow = SIZE_MAX;

std::size_t sectionNumber(DuplicateSection section) {
    return static_cast<std::size_t>(section);
}

// The rows to take out of one section, and those that must stay.
struct SectionMarks {
    std::vector<char> removed;
    std::vector<char> kept;
    std::vector<std::size_t> keeperOf;  // for a removed transponder: the row its channels go to
};

// The group still describes the array: each row holds its number and is alike its keeper.
bool stillMatches(const DuplicateKeys& keys, const DuplicateGroup& group) {
    if (group.rows.size() < 2 || group.keeper >= group.rows.size()) return false;
    const std::size_t keeper = group.rows[group.keeper].row;
    for (const DuplicateRow& member : group.rows) {
        if (member.row >= keys.rows()) return false;
        if (keys.record(member.row)[indexField(group.section)] != member.number) return false;
        if (member.row != keeper && !keys.alike(member.row, keeper, group.match)) return false;
    }
    return true;
}

std::vector<std::size_t> markedRows(const std::vector<char>& marks, std::size_t offset = 0) {
    std::vector<std::size_t> rows;
    for (std::size_t row = 0; row < marks.size(); ++row) {
        if (marks[row]) rows.push_back(offset + row);
    }
    return rows;
}

// Points the digital and PID channels that name a removed transponder at its keeper.
void moveChannelsOfRemovedTransponders(TokenArray& tokens, const SectionMap& sections,
                                       const std::vector<std::size_t>& keeperOf) {
    const TransponderIndex transponders(tokens, sections);
    const std::size_t tpBegin = sections[kDigitalTpSection].begin;
    const auto move = [&](SectionState state, std::size_t width, std::size_t tpField) {
        const SectionSpan& span = sections[state];
        for (std::size_t cell = span.begin; cell + width <= span.end; cell += width) {
            std::string& tpIndex = tokens[cell + tpField];
            const std::optional<std::size_t> tp = transponders.rowOf(tpIndex);
            if (!tp || keeperOf[*tp] == kNoRow) continue;
            tpIndex = tokens[tpBegin + keeperOf[*tp] * kTransponderFields + kTpIndex];
        }
    };
    move(kChannelSection, kChannelFields, kChTpIndex);
    move(kChannelPidSection, kPidChannelFields, kPidTpIndex);
}

// Sizes the marks of each section that a group names for `rows` rows.
void sizeMarks(SectionMarks& section, std::size_t rows) {
    section.removed.assign(rows, 0);
    section.kept.assign(rows, 0);
    section.keeperOf.assign(rows, kNoRow);
}

// Marks the rows the chosen groups keep, then those they take out: a row that keeps in one group
// stays whatever another group says. Returns how many go.
std::size_t markChosenRows(const std::vector<DuplicateGroup>& groups,
                           std::array<SectionMarks, 4>& marks) {
    for (const DuplicateGroup& group : groups) {
        if (group.chosen)
            marks[sectionNumber(group.section)].kept[group.rows[group.keeper].row] = 1;
    }
    std::size_t removed = 0;
    for (const DuplicateGroup& group : groups) {
        if (!group.chosen) continue;
        SectionMarks& section = marks[sectionNumber(group.section)];
        const std::size_t keeper = group.rows[group.keeper].row;
        for (const DuplicateRow& member : group.rows) {
            if (section.kept[member.row]) continue;
            if (!section.removed[member.row]) ++removed;
            section.removed[member.row] = 1;
            section.keeperOf[member.row] = keeper;
        }
    }
    return removed;
}

// Marks the rows the chosen groups keep and those they take out; returns how many go, or nothing
// when a chosen group no longer matches the array.
std::optional<std::size_t> markRows(const TokenArray& tokens, const SectionMap& sections,
                                    const std::vector<DuplicateGroup>& groups,
                                    std::array<SectionMarks, 4>& marks) {
    std::array<std::optional<DuplicateKeys>, 4> keys;
    for (const DuplicateGroup& group : groups) {
        if (!group.chosen) continue;
        const std::size_t s = sectionNumber(group.section);
        if (!keys[s]) {
            keys[s].emplace(tokens, sections, group.section);
            sizeMarks(marks[s], keys[s]->rows());
        }
        if (!stillMatches(*keys[s], group)) return std::nullopt;
    }
    return markChosenRows(groups, marks);
}

}  // namespace

const char* removalNote(DuplicateSection section) {
    if (section == DuplicateSection::Transponder) {
        return "Channels of a removed transponder move to the kept one.";
    }
    return "The other channels of each group are deleted and the rest renumbered, as Delete does.";
}

std::optional<std::size_t> removeDuplicateRows(TokenArray& tokens,
                                               const std::vector<DuplicateGroup>& groups) {
    const SectionMap sections = locateSections(tokens);
    std::array<SectionMarks, 4> marks;
    const std::optional<std::size_t> removed = markRows(tokens, sections, groups, marks);
    if (!removed || *removed == 0) return removed;

    const SectionMarks& transponders = marks[sectionNumber(DuplicateSection::Transponder)];
    if (!transponders.removed.empty()) {
        moveChannelsOfRemovedTransponders(tokens, sections, transponders.keeperOf);
    }

    // Digital and PID channels are rows of the Digital Channel view, analog channels of the
    // Analog Channel view.
    std::vector<std::size_t> digitalRows =
        markedRows(marks[sectionNumber(DuplicateSection::Digital)].removed);
    const std::vector<std::size_t> pidRows = markedRows(
        marks[sectionNumber(DuplicateSection::Pid)].removed, digitalChannelCount(sections));
    digitalRows.insert(digitalRows.end(), pidRows.begin(), pidRows.end());
    deleteRows(tokens, true, digitalRows);
    deleteRows(tokens, false, markedRows(marks[sectionNumber(DuplicateSection::Analog)].removed));

    const std::size_t tpBegin = locateSections(tokens)[kDigitalTpSection].begin;
    std::vector<CellRange> ranges;
    for (const std::size_t row : markedRows(transponders.removed)) {
        const std::size_t cell = tpBegin + row * kTransponderFields;
        ranges.emplace_back(cell, cell + kTransponderFields);
    }
    eraseCellRanges(tokens, std::move(ranges));
    return removed;
}

void keepChoices(const std::vector<DuplicateGroup>& before, bool removed,
                 std::vector<DuplicateGroup>& after) {
    // The rows Remove took out of each section.
    std::array<SectionMarks, 4> marks;
    for (const DuplicateGroup& group : before) {
        SectionMarks& section = marks[sectionNumber(group.section)];
        for (const DuplicateRow& member : group.rows) {
            if (member.row >= section.removed.size()) sizeMarks(section, member.row + 1);
        }
    }
    if (removed) markChosenRows(before, marks);

    // The group of `before` of each row that stayed, by the row's position now: the rows taken
    // out before it no longer count.
    constexpr std::size_t kNoGroup = SIZE_MAX;
    std::array<std::vector<std::size_t>, 4> groupAt;
    std::array<std::vector<std::size_t>, 4> positionNow;
    for (std::size_t s = 0; s < marks.size(); ++s) {
        positionNow[s].resize(marks[s].removed.size());
        for (std::size_t row = 0, now = 0; row < marks[s].removed.size(); ++row) {
            positionNow[s][row] = marks[s].removed[row] ? kNoRow : now++;
        }
        groupAt[s].assign(positionNow[s].size(), kNoGroup);
    }
    for (std::size_t g = 0; g < before.size(); ++g) {
        const std::size_t s = sectionNumber(before[g].section);
        for (const DuplicateRow& member : before[g].rows) {
            const std::size_t now = positionNow[s][member.row];
            if (now != kNoRow) groupAt[s][now] = g;
        }
    }

    for (DuplicateGroup& group : after) {
        const std::size_t s = sectionNumber(group.section);
        const DuplicateGroup* earlier = nullptr;
        for (const DuplicateRow& member : group.rows) {
            if (member.row < groupAt[s].size() && groupAt[s][member.row] != kNoGroup &&
                before[groupAt[s][member.row]].match == group.match) {
                earlier = &before[groupAt[s][member.row]];
                break;
            }
        }
        if (!earlier) continue;
        group.chosen = earlier->chosen;
        const std::size_t keeper = positionNow[s][earlier->rows[earlier->keeper].row];
        for (std::size_t member = 0; member < group.rows.size(); ++member) {
            if (group.rows[member].row == keeper) chooseKeeper(group, member);
        }
    }
}

std::size_t removeDuplicates(ListDocument& document, const std::vector<DuplicateGroup>& groups) {
    std::optional<std::size_t> removed;
    const bool done = document.edit(
        kRemoveDuplicatesLabel,
        [&](ListEdit& list) {
            removed = removeDuplicateRows(list.tokens(), groups);
            return removed && *removed > 0;
        },
        Renumber::Yes);
    if (done) return *removed;
    // Groups found on another list are said; no group to remove changes nothing.
    if (document.editable() && !removed) document.ui().message(kDuplicatesOutdated);
    return 0;
}

}  // namespace sky
