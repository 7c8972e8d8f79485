#include "editor/duplicates/DuplicateGroups.h"

#include <tuple>

#include "db/RecordLayout.h"
#include "editor/model/FieldText.h"

namespace sky {

namespace {

constexpr std::uint32_t kNone = DuplicateKeys::kMatchesNothing;

// A transponder numbered 0 keeps last: a channel naming it would name no transponder.
bool cannotKeep(const DuplicateGroup& group, std::size_t member) {
    return group.section == DuplicateSection::Transponder &&
           decimalValue(group.rows[member].number) == 0;
}

std::size_t defaultKeeper(const DuplicateGroup& group) {
    const auto rank = [&](std::size_t member) {
        return std::make_tuple(cannotKeep(group, member), decimalValue(group.rows[member].number),
                               member);
    };
    std::size_t keeper = 0;
    for (std::size_t member = 1; member < group.rows.size(); ++member) {
        if (rank(member) < rank(keeper)) keeper = member;
    }
    return keeper;
}

std::vector<EqualCell> equalCells(const DuplicateKeys& keys, std::size_t row,
                                  DuplicateMatch match) {
    const std::string* r = keys.record(row);
    if (match == DuplicateMatch::Name) {
        return {{"Name", std::string(keys.nameKey(row).value_or(""))}};
    }
    switch (keys.section()) {
        case DuplicateSection::Analog:
            return {{"SAT Index", r[kAnSatIndex]},
                    {"Frequency", r[kAnFrequency]},
                    {"Polarization", r[kAnPolarisation]}};
        case DuplicateSection::Transponder:
            return {{"SAT Index", r[kTpSatIndex]},
                    {"Frequency", r[kTpFrequency]},
                    {"Symbol Rate", r[kTpSymbolRate]},
                    {"Polarization", r[kTpPolarisation]}};
        case DuplicateSection::Digital:
        case DuplicateSection::Pid:
            break;
    }
    const bool digital = keys.section() == DuplicateSection::Digital;
    std::vector<EqualCell> cells{{"SAT Index", r[satelliteField(keys.section())]}};
    if (const std::string* tp = keys.transponderOf(row)) {
        cells.push_back({"Frequency", tp[kTpFrequency]});
        cells.push_back({"Symbol Rate", tp[kTpSymbolRate]});
        cells.push_back({"Polarization", tp[kTpPolarisation]});
    } else {
        cells.push_back({"TP Index", r[channelTpField(keys.section())]});
    }
    if (digital) {
        cells.push_back({"SVC ID", r[kChServiceId]});
    } else {
        cells.push_back({"Video PID", r[kPidVideo]});
        cells.push_back({"Audio PID", r[kPidAudio]});
        cells.push_back({"PCR PID", r[kPidPcr]});
    }
    return cells;
}

}  // namespace

std::vector<DuplicateGroup> findDuplicates(const TokenArray& tokens, DuplicateSection section,
                                           DuplicateMatch match) {
    const DuplicateKeys keys(tokens, locateSections(tokens), section);
    const std::vector<std::uint32_t> first = keys.firstAlike(match);
    const std::size_t rows = keys.rows();

    // A row that is first of its kind leads a group once a second row joins it.
    std::vector<std::uint32_t> groupOf(rows, kNone);
    std::vector<DuplicateGroup> groups;
    for (std::size_t row = 0; row < rows; ++row) {
        const std::uint32_t leader = first[row];
        if (leader == kNone || leader == row) continue;
        if (groupOf[leader] == kNone) {
            groupOf[leader] = static_cast<std::uint32_t>(groups.size());
            groups.push_back({section, match, {}, equalCells(keys, leader, match)});
            groups.back().rows.push_back({leader, {}, {}});
        }
        groups[groupOf[leader]].rows.push_back({row, {}, {}});
    }
    for (DuplicateGroup& group : groups) {
        for (DuplicateRow& member : group.rows) {
            const std::string* r = keys.record(member.row);
            member.number = r[indexField(section)];
            member.name = r[nameField(section)];
        }
        group.keeper = defaultKeeper(group);
    }
    return groups;
}

bool chooseKeeper(DuplicateGroup& group, std::size_t member) {
    if (member >= group.rows.size()) return false;
    if (cannotKeep(group, member)) {
        for (std::size_t other = 0; other < group.rows.size(); ++other) {
            if (!cannotKeep(group, other)) return false;
        }
    }
    group.keeper = member;
    return true;
}

std::size_t duplicateRowCount(const TokenArray& tokens) {
    const SectionMap sections = locateSections(tokens);
    std::size_t count = 0;
    for (const DuplicateSection section : kDuplicateSections) {
        const DuplicateKeys keys(tokens, sections, section);
        const std::vector<std::uint32_t> first = keys.firstAlike(DuplicateMatch::Exact);
        for (std::size_t row = 0; row < first.size(); ++row) {
            if (first[row] != kNone && first[row] != row) ++count;
        }
    }
    return count;
}

std::string duplicateStatusText(std::size_t count) {
    if (count == 0) return {};
    return std::to_string(count) + " duplicates found: Edit Channel > Find Duplicates";
}

const char* duplicateSectionTitle(DuplicateSection section) {
    switch (section) {
        case DuplicateSection::Digital:
            return "Digital Channel";
        case DuplicateSection::Pid:
            return "PID Channel";
        case DuplicateSection::Analog:
            return "Analog Channel";
        case DuplicateSection::Transponder:
            break;
    }
    return "Digital TP";
}

bool nameMatchApplies(DuplicateSection section) {
    return section != DuplicateSection::Transponder;
}

}  // namespace sky
