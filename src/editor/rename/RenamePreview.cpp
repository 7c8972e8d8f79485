#include "editor/rename/RenamePreview.h"

#include <string_view>

#include "editor/import/ImportName.h"
#include "editor/model/RowValues.h"
#include "editor/model/SectionMap.h"

namespace sky {

namespace {

std::size_t sectionNumber(RecordKind kind) {
    return static_cast<std::size_t>(kind);
}

const std::string& nameCell(const TokenArray& tokens, const RecordRef& record) {
    return tokens[record.cell + channelNameField(record.kind)];
}

// Names as Find Duplicates compares them: regardless of the case of ASCII letters.
struct FoldedHash {
    std::size_t operator()(std::string_view name) const {
        return static_cast<std::size_t>(foldedNameHash(name));
    }
};
struct FoldedEqual {
    bool operator()(std::string_view a, std::string_view b) const { return sameFoldedName(a, b); }
};
using NameCounts = std::unordered_map<std::string_view, std::size_t, FoldedHash, FoldedEqual>;

// Marks each changed row whose name, as it would be after the ticked rows are renamed, is also
// another channel's in its section.
void markEqualNames(RenamePreview& preview) {
    NameCounts names[3];
    for (std::size_t s = 0; s < 3; ++s) {
        names[s].reserve(preview.otherNames[s].size() + preview.rows.size());
        for (const auto& [name, count] : preview.otherNames[s]) names[s][name] += count;
    }
    for (const RenameRow& row : preview.rows) {
        ++names[sectionNumber(row.record.kind)][row.ticked ? row.newName : row.oldName];
    }
    for (RenameRow& row : preview.rows) {
        const NameCounts& section = names[sectionNumber(row.record.kind)];
        const auto found = section.find(row.newName);
        // The row's own name, new when ticked, else old, is counted too.
        const bool own = row.ticked || sameFoldedName(row.oldName, row.newName);
        const std::size_t others = found == section.end() ? 0 : found->second - (own ? 1 : 0);
        row.equalsOther = !row.unchanged() && !row.empty && others > 0;
    }
}

std::vector<RecordRef> recordsOf(const SectionMap& sections, RecordKind kind) {
    const SectionSpan& span = sections[sectionOf(kind)];
    const auto width = static_cast<std::size_t>(recordWidth(kind));
    std::vector<RecordRef> records;
    if (!span.found) return records;
    for (std::size_t cell = span.begin; cell + width <= span.end; cell += width)
        records.push_back({kind, cell});
    return records;
}

}  // namespace

bool showsChannels(ViewKind kind) {
    return kind == ViewKind::Detail || kind == ViewKind::DigitalChannelList ||
           kind == ViewKind::DigitalPidChannelList || kind == ViewKind::AnalogChannelList;
}

std::vector<RecordRef> viewRecords(const TokenArray& tokens, ViewKind kind, bool digital,
                                   const std::vector<std::size_t>& rows) {
    std::vector<RecordRef> records;
    if (!showsChannels(kind)) return records;
    const SectionMap sections = locateSections(tokens);
    if (kind == ViewKind::Detail) {
        for (const std::size_t row : rows) {
            if (const std::optional<RecordRef> record = recordOfRow(sections, digital, row))
                records.push_back(*record);
        }
        return records;
    }
    const RecordKind recordKind = kind == ViewKind::DigitalChannelList      ? RecordKind::Digital
                                  : kind == ViewKind::DigitalPidChannelList ? RecordKind::Pid
                                                                            : RecordKind::Analog;
    const std::vector<RecordRef> section = recordsOf(sections, recordKind);
    for (const std::size_t row : rows) {
        if (row < section.size()) records.push_back(section[row]);
    }
    return records;
}

std::vector<RecordRef> sectionRecords(const TokenArray& tokens, RecordKind kind) {
    return recordsOf(locateSections(tokens), kind);
}

RenamePreview previewRename(const TokenArray& tokens, const std::vector<RecordRef>& records,
                            const std::vector<RenameRule>& rules) {
    RenamePreview preview;
    std::vector<char> inPreview[3];
    const SectionMap sections = locateSections(tokens);
    for (const RecordRef& record : records) {
        if (isNullChannel(record.kind, &tokens[record.cell])) continue;
        RenameRow row;
        row.record = record;
        row.number = tokens[record.cell];
        row.oldName = nameCell(tokens, record);
        row.newName = renamed(row.oldName, rules);
        row.empty = row.newName.empty();
        row.tooLong = row.newName.size() > kLongestChannelName;
        row.ticked = canTick(row);
        std::vector<char>& marks = inPreview[sectionNumber(record.kind)];
        const std::size_t begin = sections[sectionOf(record.kind)].begin;
        const std::size_t index = (record.cell - begin) / recordWidth(record.kind);
        if (marks.size() <= index) marks.resize(index + 1);
        marks[index] = 1;
        preview.rows.push_back(std::move(row));
    }
    for (const RecordKind kind : {RecordKind::Digital, RecordKind::Pid, RecordKind::Analog}) {
        const std::size_t s = sectionNumber(kind);
        if (inPreview[s].empty()) continue;  // no row of the preview to compare with
        const std::vector<RecordRef> section = recordsOf(sections, kind);
        for (std::size_t index = 0; index < section.size(); ++index) {
            if (index < inPreview[s].size() && inPreview[s][index]) continue;
            if (isNullChannel(kind, &tokens[section[index].cell])) continue;
            ++preview.otherNames[s][nameCell(tokens, section[index])];
        }
    }
    markEqualNames(preview);
    return preview;
}

const char* renameNote(const RenameRow& row) {
    if (row.unchanged()) return "unchanged";
    if (row.empty) return "empty: not renamed";
    if (row.tooLong) return "longer than 13 characters: not renamed";
    if (row.equalsOther) return "equal to another channel's name";
    return "";
}

bool canTick(const RenameRow& row) {
    return !row.unchanged() && !row.empty && !row.tooLong;
}

bool setTicked(RenamePreview& preview, std::size_t row, bool ticked) {
    if (row >= preview.rows.size() || !canTick(preview.rows[row])) return false;
    if (preview.rows[row].ticked == ticked) return true;
    preview.rows[row].ticked = ticked;
    markEqualNames(preview);
    return true;
}

std::size_t tickedCount(const RenamePreview& preview) {
    std::size_t count = 0;
    for (const RenameRow& row : preview.rows) count += row.ticked ? 1 : 0;
    return count;
}

std::optional<std::size_t> applyRename(TokenArray& tokens, const RenamePreview& preview) {
    const SectionMap sections = locateSections(tokens);
    for (const RenameRow& row : preview.rows) {
        if (!row.ticked) continue;
        const SectionSpan& span = sections[sectionOf(row.record.kind)];
        if (!span.found || row.record.cell < span.begin || row.record.endCell() > span.end ||
            (row.record.cell - span.begin) % recordWidth(row.record.kind) != 0 ||
            nameCell(tokens, row.record) != row.oldName) {
            return std::nullopt;
        }
    }
    std::size_t count = 0;
    for (const RenameRow& row : preview.rows) {
        if (!row.ticked) continue;
        tokens[row.record.cell + channelNameField(row.record.kind)] = row.newName;
        ++count;
    }
    return count;
}

std::size_t renameChannels(ListDocument& document, const RenamePreview& preview) {
    std::optional<std::size_t> count;
    const bool renamed = document.edit(
        kRenameChannelsLabel,
        [&](ListEdit& list) {
            count = applyRename(list.tokens(), preview);
            return count && *count > 0;
        },
        Renumber::No);
    if (renamed) return *count;
    // A plan made on another list is said; one that ticks nothing changes nothing.
    if (document.editable() && !count) document.ui().message(kRenameOutdated);
    return 0;
}

}  // namespace sky
