#include "editor/compare/ListComparison.h"

#include <future>
#include <initializer_list>
#include <optional>

#include "db/RecordLayout.h"
#include "db/RowFields.h"
#include "editor/compare/ComparedList.h"
#include "editor/compare/OutOfOrder.h"
#include "editor/match/RowMatching.h"
#include "editor/model/FieldText.h"
#include "editor/model/RowValues.h"
#include "editor/view/ViewColumns.h"

namespace sky {

namespace {

std::size_t sectionNumber(CompareSection section) {
    return static_cast<std::size_t>(section);
}

ViewKind listViewOf(CompareSection section) {
    switch (section) {
        case CompareSection::Digital:
            return ViewKind::DigitalChannelList;
        case CompareSection::Pid:
            return ViewKind::DigitalPidChannelList;
        case CompareSection::Analog:
            return ViewKind::AnalogChannelList;
        case CompareSection::Transponder:
            return ViewKind::DigitalTpList;
        case CompareSection::Satellite:
            break;
    }
    return ViewKind::SatelliteList;
}

std::optional<RecordKind> channelKind(CompareSection section) {
    switch (section) {
        case CompareSection::Digital:
            return RecordKind::Digital;
        case CompareSection::Pid:
            return RecordKind::Pid;
        case CompareSection::Analog:
            return RecordKind::Analog;
        case CompareSection::Transponder:
        case CompareSection::Satellite:
            break;
    }
    return std::nullopt;
}

// Cells are alike when their texts are, or when both are numbers of one value: decimal, or
// hexadecimal in either letter case.
bool sameCell(std::string_view a, std::string_view b, bool hex = false) {
    if (a == b) return true;
    if (hex) {
        const std::optional<std::uint32_t> numberA = hexField(a);
        const std::optional<std::uint32_t> numberB = hexField(b);
        return numberA && numberB && *numberA == *numberB;
    }
    const std::optional<std::int32_t> numberA = decimalField(a);
    const std::optional<std::int32_t> numberB = decimalField(b);
    return numberA && numberB && *numberA == *numberB;
}

// One section of one list, read through the list's reader.
class SectionRows {
public:
    SectionRows(const ComparedList& list, CompareSection section)
        : tokens_(list.tokens()),
          reader_(list.reader()),
          section_(section),
          width_(static_cast<std::size_t>(sectionInfo(compareSectionState(section)).rowLength)),
          begin_(reader_.sections()[compareSectionState(section)].begin),
          count_(
              reader_.sections()[compareSectionState(section)].records(static_cast<int>(width_))) {}

    std::size_t count() const { return count_; }
    const std::string* row(std::size_t r) const { return &tokens_[begin_ + r * width_]; }

    // The transponder a digital or PID channel names, or null.
    const std::string* transponderOf(std::size_t r) const {
        if (section_ != CompareSection::Digital && section_ != CompareSection::Pid) return nullptr;
        const std::size_t tpField =
            section_ == CompareSection::Pid ? std::size_t{kPidTpIndex} : std::size_t{kChTpIndex};
        const std::optional<std::size_t> tp = reader_.transponderIndex().rowOf(row(r)[tpField]);
        return tp ? &tokens_[reader_.sections()[kDigitalTpSection].begin + *tp * kTransponderFields]
                  : nullptr;
    }

    std::string name(std::size_t r) const {
        if (const std::optional<RecordKind> kind = channelKind(section_)) {
            return row(r)[channelNameField(*kind)];
        }
        return row(r)[section_ == CompareSection::Satellite ? std::size_t{kSatName}
                                                            : std::size_t{kTpComment}];
    }

private:
    const TokenArray& tokens_;
    const MatchRowReader& reader_;
    CompareSection section_;
    std::size_t width_;
    std::size_t begin_;
    std::size_t count_;
};

// Keys for pairByKey: a row's key, or nothing.
using RowKeys = std::vector<std::optional<std::uint64_t>>;

// Rows without an identity (a transponder of a blank satellite whose frequency is no number, say)
// that neither identity nor name paired: those of the same name and cells, then those of the same
// Index.
void pairUnreadable(const SectionRows& a, const std::vector<MatchRow>& rowsA, const SectionRows& b,
                    const std::vector<MatchRow>& rowsB, RowMatching& matching) {
    const auto keys = [](const std::vector<MatchRow>& rows, const auto& keyOf) {
        RowKeys out(rows.size());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (!rows[r].isNull && !rows[r].hasIdentity) out[r] = keyOf(r);
        }
        return out;
    };
    const auto cellsOf = [](const std::vector<MatchRow>& rows) {
        return [&rows](std::size_t r) -> std::optional<std::uint64_t> {
            return nameAndCellsKey(rows[r]);
        };
    };
    const auto indexOf = [](const SectionRows& section) {
        return [&section](std::size_t r) -> std::optional<std::uint64_t> {
            const std::optional<std::int32_t> index = decimalField(section.row(r)[0]);
            if (!index) return std::nullopt;
            return static_cast<std::uint32_t>(*index);
        };
    };
    pairByKey(matching, keys(rowsA, cellsOf(rowsA)), keys(rowsB, cellsOf(rowsB)));
    pairByKey(matching, keys(rowsA, indexOf(a)), keys(rowsB, indexOf(b)));
}

// Null channels are places in the list rather than channels. Each is paired with a null channel
// of the same name and cells after the same channel (as the row of B that channel is or pairs
// with), then anywhere; the rest by their place among the null channels after the same channel,
// then among all still unpaired. A channel deleted or added thus leaves the null channels around
// it paired.
void pairNulls(const std::vector<MatchRow>& rowsA, const std::vector<MatchRow>& rowsB,
               RowMatching& matching) {
    constexpr std::uint64_t kSectionStart = RowMatching::kNone - 1;
    // The keys of the null channels still unpaired: their anchor (the row of B before them, or
    // none) with their cells or with their place among these null channels after the anchor.
    const auto keys = [](const std::vector<MatchRow>& rows,
                         const std::vector<std::uint32_t>& partner, const auto& anchorOf,
                         bool byCells) {
        RowKeys out(rows.size());
        std::uint64_t anchor = kSectionStart;
        std::uint64_t place = 0;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (!rows[r].isNull) {
                anchor = anchorOf(r);
                place = 0;
            } else if (anchor != RowMatching::kNone && partner[r] == RowMatching::kNone) {
                out[r] = byCells ? nameAndCellsKey(rows[r]) * 0x9E3779B97F4A7C15ull ^ anchor
                                 : anchor << 32 | place++;
            }
        }
        return out;
    };
    const auto anchorInA = [&](std::size_t r) -> std::uint64_t { return matching.listRowOf[r]; };
    const auto anchorInB = [&](std::size_t r) -> std::uint64_t {
        return matching.referenceRowOf[r] == RowMatching::kNone ? RowMatching::kNone : r;
    };
    for (const bool byCells : {true, false}) {
        for (const bool anchored : {true, false}) {
            const auto orStart = [anchored](const auto& anchorOf) {
                return [&anchorOf, anchored](std::size_t r) {
                    return anchored ? anchorOf(r) : kSectionStart;
                };
            };
            pairByKey(matching, keys(rowsA, matching.listRowOf, orStart(anchorInA), byCells),
                      keys(rowsB, matching.referenceRowOf, orStart(anchorInB), byCells));
        }
    }
}

// The columns of a section's list view, and of the transponder list for a channel's
// transponder cells.
struct SectionColumns {
    std::vector<Column> own;
    std::vector<Column> transponder;
};

// The columns in which a pair of rows differs.
std::vector<std::string> differingCells(CompareSection section, const SectionColumns& headers,
                                        const SectionRows& a, std::size_t rowA,
                                        const SectionRows& b, std::size_t rowB) {
    std::vector<std::string> cells;
    const std::vector<Column>& columns = headers.own;
    const std::string* cellsA = a.row(rowA);
    const std::string* cellsB = b.row(rowB);
    const bool channel = section == CompareSection::Digital || section == CompareSection::Pid;
    // The Index is the row's number (Moved); a channel's TP Index is compared through the
    // transponder it names.
    for (std::size_t field = 1; field < columns.size(); ++field) {
        if (channel && field == kChTpIndex) continue;  // the same cell in both channel sections
        const bool hex = section == CompareSection::Digital && field == kChServiceId;
        if (!sameCell(cellsA[field], cellsB[field], hex)) {
            cells.emplace_back(columns[field].header);
        }
    }
    if (channel) {
        const std::string* tpA = a.transponderOf(rowA);
        const std::string* tpB = b.transponderOf(rowB);
        const std::vector<Column>& tpColumns = headers.transponder;
        for (const std::size_t field : {std::size_t{kTpFrequency}, std::size_t{kTpSymbolRate},
                                        std::size_t{kTpPolarisation}}) {
            const bool same = tpA && tpB ? sameCell(tpA[field], tpB[field]) : tpA == tpB;
            if (!same) cells.emplace_back(tpColumns[field].header);
        }
    }
    return cells;
}

SectionComparison compareSection(CompareSection section, const ComparedList& listA,
                                 const ComparedList& listB) {
    SectionComparison result{section, {}, {}, 0};
    const SectionRows a(listA, section);
    const SectionRows b(listB, section);
    std::vector<MatchRow> readA;
    std::vector<MatchRow> readB;
    const std::vector<MatchRow>& rowsA = listA.rows(section, readA);
    const std::vector<MatchRow>& rowsB = listB.rows(section, readB);
    RowMatching matching = matchRows(rowsA, rowsB);
    pairUnreadable(a, rowsA, b, rowsB, matching);
    const bool channels = channelKind(section).has_value();
    if (channels) pairNulls(rowsA, rowsB, matching);
    // A channel's number is its place: it is moved when its order among the channels changed. A
    // transponder's or satellite's number is what the channels name it by.
    std::vector<char> outOfOrder;
    if (channels) {
        outOfOrder = rowsOutOfOrder(matching, [&](std::uint32_t rowA, std::uint32_t rowB) {
            return nameAndCellsKey(rowsA[rowA]) + nameAndCellsKey(rowsB[rowB]);
        });
    }

    const auto add = [&](RowDifference difference) {
        ++result.counts[static_cast<std::size_t>(difference.kind)];
        result.differences.push_back(std::move(difference));
    };
    for (std::size_t r = 0; r < a.count(); ++r) {
        if (matching.listRowOf[r] != RowMatching::kNone) continue;
        add({DifferenceKind::OnlyInA, r, 0, a.row(r)[0], {}, a.name(r), {}});
        ++result.rowsDiffering;
    }
    for (std::size_t r = 0; r < b.count(); ++r) {
        if (matching.referenceRowOf[r] != RowMatching::kNone) continue;
        add({DifferenceKind::OnlyInB, 0, r, {}, b.row(r)[0], b.name(r), {}});
        ++result.rowsDiffering;
    }
    const SectionColumns headers{viewColumns(listViewOf(section), true, DetailWidths::On),
                                 viewColumns(ViewKind::DigitalTpList, true, DetailWidths::On)};
    for (std::size_t r = 0; r < a.count(); ++r) {
        const std::uint32_t other = matching.listRowOf[r];
        if (other == RowMatching::kNone) continue;
        std::vector<std::string> cells = differingCells(section, headers, a, r, b, other);
        const bool moved = channels ? outOfOrder[r] != 0 : !sameCell(a.row(r)[0], b.row(other)[0]);
        if (cells.empty() && !moved) continue;
        ++result.rowsDiffering;
        const auto difference = [&](DifferenceKind kind, std::vector<std::string> differing) {
            return RowDifference{
                kind, r, other, a.row(r)[0], b.row(other)[0], b.name(other), std::move(differing)};
        };
        if (!cells.empty()) add(difference(DifferenceKind::Changed, std::move(cells)));
        if (moved) add(difference(DifferenceKind::Moved, {}));
    }
    return result;
}

}  // namespace

bool ListComparison::equal() const {
    for (const SectionComparison& section : sections) {
        if (!section.differences.empty()) return false;
    }
    return true;
}

std::size_t ListComparison::channelsDiffering() const {
    return section(CompareSection::Digital).rowsDiffering +
           section(CompareSection::Pid).rowsDiffering +
           section(CompareSection::Analog).rowsDiffering;
}

ListComparison compareLists(const TokenArray& a, const TokenArray& b) {
    return compareLists(ComparedList(a), ComparedList(b));
}

ListComparison compareLists(const ComparedList& a, const ComparedList& b) {
    ListComparison comparison;
    const auto compare = [&](std::initializer_list<CompareSection> sections) {
        for (const CompareSection section : sections) {
            comparison.sections[sectionNumber(section)] = compareSection(section, a, b);
        }
    };
    // The sections are compared apart from each other: the three large ones (digital and analog
    // channels, transponders) each on a thread of its own, the small ones beside the first.
    std::future<void> analog =
        std::async(std::launch::async, [&compare] { compare({CompareSection::Analog}); });
    std::future<void> transponders =
        std::async(std::launch::async, [&compare] { compare({CompareSection::Transponder}); });
    compare({CompareSection::Digital, CompareSection::Pid, CompareSection::Satellite});
    analog.get();
    transponders.get();
    return comparison;
}

SectionState compareSectionState(CompareSection section) {
    switch (section) {
        case CompareSection::Digital:
            return kChannelSection;
        case CompareSection::Pid:
            return kChannelPidSection;
        case CompareSection::Analog:
            return kAnalogTpSection;
        case CompareSection::Transponder:
            return kDigitalTpSection;
        case CompareSection::Satellite:
            break;
    }
    return kSatelliteSection;
}

std::string differenceSummary(const ListComparison& comparison) {
    const std::size_t count = comparison.channelsDiffering();
    if (count == 0) return "No channel differs.";
    if (count == 1) return "1 channel differs.";
    return std::to_string(count) + " channels differ.";
}

const char* compareSectionTitle(CompareSection section) {
    switch (section) {
        case CompareSection::Digital:
            return "Digital Channel";
        case CompareSection::Pid:
            return "PID Channel";
        case CompareSection::Analog:
            return "Analog Channel";
        case CompareSection::Transponder:
            return "Digital TP";
        case CompareSection::Satellite:
            break;
    }
    return "Satellite";
}

const char* differenceKindName(DifferenceKind kind) {
    switch (kind) {
        case DifferenceKind::OnlyInA:
            return "only in A";
        case DifferenceKind::OnlyInB:
            return "only in B";
        case DifferenceKind::Changed:
            return "changed";
        case DifferenceKind::Moved:
            break;
    }
    return "moved";
}

}  // namespace sky
