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

// Marks the rows the chosen groups keep and those they take out; returns how many go, or nothing
// when a chosen group no longer matches the array. Keepers are marked first: a row that keeps in
// one group stays whatever another group says.
std::optional<std::size_t> markRows(const TokenArray& tokens, const SectionMap& sections,
                                    const std::vector<DuplicateGroup>& groups,
                                    std::array<SectionMarks, 4>& marks) {
    std::array<std::optional<DuplicateKeys>, 4> keys;
    for (const DuplicateGroup& group : groups) {
        if (!group.chosen) continue;
        const std::size_t s = sectionNumber(group.section);
        if (!keys[s]) {
            keys[s].emplace(tokens, sections, group.section);
            marks[s].removed.assign(keys[s]->rows(), 0);
            marks[s].kept.assign(keys[s]->rows(), 0);
            marks[s].keeperOf.assign(keys[s]->rows(), kNoRow);
        }
        if (!stillMatches(*keys[s], group)) return std::nullopt;
        marks[s].kept[group.rows[group.keeper].row] = 1;
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

std::size_t removeDuplicates(ListDocument& document, const std::vector<DuplicateGroup>& groups) {
    if (!document.loaded() || document.locked()) return 0;
    document.recordUndo(kRemoveDuplicatesLabel);
    const std::optional<std::size_t> removed = removeDuplicateRows(document.tokens(), groups);
    if (!removed || *removed == 0) {
        document.discardNewestUndo();
        if (!removed) document.ui().message(kDuplicatesOutdated);
        return 0;
    }
    document.markModified();
    document.changed(true);
    return *removed;
}

}  // namespace sky
