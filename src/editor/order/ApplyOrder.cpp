#include "editor/order/ApplyOrder.h"

#include <algorithm>
#include <array>
#include <span>

#include "editor/match/RowMatching.h"
#include "editor/model/RowValues.h"

namespace sky {

namespace {

std::size_t kindNumber(RecordKind kind) {
    return static_cast<std::size_t>(kind);
}

OrderRowText rowText(const TokenArray& tokens, const RecordRef& record) {
    const std::string* cells = &tokens[record.cell];
    return {cells[0], cells[channelNameField(record.kind)]};
}

// A null channel's place in the new order: its position among the ordered rows.
struct NullPlace {
    std::size_t position;
    RecordKind kind;
};

ViewOrderPlan planView(const TokenArray& tokens, const SectionMap& sections, bool digitalView,
                       const std::optional<std::vector<MatchRow>>& reference,
                       const OrderOptions& options) {
    ViewOrderPlan plan;
    plan.digitalView = digitalView;
    const std::vector<MatchRow> rows = channelMatchRows(tokens, digitalView);
    plan.rowsBefore = rows.size();
    if (!reference) return plan;
    plan.ordered = true;

    const std::size_t first =
        std::min(std::max<std::size_t>(options.startNumber, 1) - 1, rows.size());
    const std::span<const MatchRow> list = std::span<const MatchRow>(rows).subspan(first);
    const RowMatching matching = matchRows(*reference, list);
    const auto slotOf = [&](std::size_t listRow) {
        const std::size_t row = first + listRow;
        return OrderSlot{static_cast<std::uint32_t>(row),
                         recordOfRow(sections, digitalView, row)->kind};
    };

    // The kinds of record the view holds: a null place needs a record of its kind to copy.
    std::array<bool, 3> present{};
    for (const MatchRow& row : rows) present[kindNumber(row.kind)] = true;

    // The reference's null places, and the list's unmatched null channels that fill them.
    std::vector<NullPlace> places;
    std::array<std::size_t, 3> wanted{};
    if (options.keepNullPlaces) {
        for (std::size_t ref = 0; ref < reference->size(); ++ref) {
            if (!(*reference)[ref].isNull) continue;
            RecordKind kind = (*reference)[ref].kind;
            if (!present[kindNumber(kind)])
                kind = digitalView ? RecordKind::Digital : RecordKind::Analog;
            if (!present[kindNumber(kind)] && digitalView) kind = RecordKind::Pid;
            if (!present[kindNumber(kind)]) continue;
            places.push_back({ref, kind});
            ++wanted[kindNumber(kind)];
        }
    }
    std::array<std::vector<OrderSlot>, 3> reused;
    std::vector<char> isReused(list.size(), 0);
    for (std::size_t row = 0; row < list.size(); ++row) {
        const std::size_t kind = kindNumber(list[row].kind);
        if (!list[row].isNull || matching.referenceRowOf[row] != RowMatching::kNone ||
            reused[kind].size() == wanted[kind]) {
            continue;
        }
        reused[kind].push_back(slotOf(row));
        isReused[row] = 1;
    }

    std::vector<OrderSlot> ordered;
    ordered.reserve(list.size() + places.size());
    for (std::size_t ref = 0; ref < reference->size(); ++ref) {
        const std::uint32_t row = matching.listRowOf[ref];
        if (row != RowMatching::kNone) {
            ordered.push_back(slotOf(row));
            ++(matching.matchedBy[ref] == MatchedBy::Identity ? plan.byIdentity : plan.byName);
        } else if (!(*reference)[ref].isNull) {
            plan.notFound.push_back({std::to_string(first + ref + 1), (*reference)[ref].name});
        }
    }
    for (std::size_t row = 0; row < list.size(); ++row) {
        if (matching.referenceRowOf[row] != RowMatching::kNone || isReused[row]) continue;
        plan.unmatched.push_back(rowText(tokens, *recordOfRow(sections, digitalView, first + row)));
        if (options.unmatched == UnmatchedRows::Keep) ordered.push_back(slotOf(row));
    }

    // Each null place at its position, as far as the rows before it reach.
    plan.order.reserve(first + ordered.size() + places.size());
    for (std::size_t row = 0; row < first; ++row) {
        plan.order.push_back(
            {static_cast<std::uint32_t>(row), recordOfRow(sections, digitalView, row)->kind});
    }
    std::array<std::size_t, 3> nextReused{};
    std::size_t place = 0;
    const auto placeNulls = [&](std::size_t placed) {
        for (; place < places.size() && places[place].position <= placed; ++place) {
            const std::size_t kind = kindNumber(places[place].kind);
            if (nextReused[kind] < reused[kind].size()) {
                plan.order.push_back(reused[kind][nextReused[kind]++]);
            } else {
                plan.order.push_back({OrderSlot::kNewNull, places[place].kind});
                ++plan.newNulls;
            }
            ++plan.nullPlaces;
            ++placed;
        }
        return placed;
    };
    std::size_t placed = 0;
    for (const OrderSlot& slot : ordered) {
        placed = placeNulls(placed);
        plan.order.push_back(slot);
        ++placed;
    }
    placeNulls(SIZE_MAX - places.size());
    return plan;
}

// The cells of the channel sections a view's new order gives, by record kind.
void collectCells(const TokenArray& tokens, const SectionMap& sections, const ViewOrderPlan& plan,
                  std::array<std::optional<std::vector<std::string>>, 3>& cells) {
    const std::vector<RecordKind> kinds =
        plan.digitalView ? std::vector<RecordKind>{RecordKind::Digital, RecordKind::Pid}
                         : std::vector<RecordKind>{RecordKind::Analog};
    // A new null channel copies the record before it of its kind, or the view's first of its kind.
    std::array<std::vector<std::string>, 3> firstOfKind;
    for (const RecordKind kind : kinds) {
        const SectionSpan& span = sections[sectionOf(kind)];
        const std::size_t width = static_cast<std::size_t>(recordWidth(kind));
        if (span.size() >= width) {
            firstOfKind[kindNumber(kind)].assign(
                tokens.begin() + static_cast<std::ptrdiff_t>(span.begin),
                tokens.begin() + static_cast<std::ptrdiff_t>(span.begin + width));
        }
        cells[kindNumber(kind)].emplace().reserve(span.size());
    }
    for (const OrderSlot& slot : plan.order) {
        std::vector<std::string>& out = *cells[kindNumber(slot.kind)];
        const std::size_t width = static_cast<std::size_t>(recordWidth(slot.kind));
        if (slot.row != OrderSlot::kNewNull) {
            const RecordRef record = *recordOfRow(sections, plan.digitalView, slot.row);
            out.insert(out.end(), tokens.begin() + static_cast<std::ptrdiff_t>(record.cell),
                       tokens.begin() + static_cast<std::ptrdiff_t>(record.endCell()));
            continue;
        }
        const std::string* source = out.size() >= width ? &out[out.size() - width]
                                                        : firstOfKind[kindNumber(slot.kind)].data();
        std::vector<std::string> null = nullRecord(slot.kind, source);
        std::move(null.begin(), null.end(), std::back_inserter(out));
    }
}

void replaceSection(TokenArray& tokens, SectionState state, std::vector<std::string>& cells) {
    const SectionSpan span = locateSections(tokens)[state];
    const auto begin = tokens.begin() + static_cast<std::ptrdiff_t>(span.begin);
    if (cells.size() == span.size()) {
        std::move(cells.begin(), cells.end(), begin);
        return;
    }
    tokens.erase(begin, tokens.begin() + static_cast<std::ptrdiff_t>(span.end));
    tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(span.begin),
                  std::make_move_iterator(cells.begin()), std::make_move_iterator(cells.end()));
}

bool changesView(const ViewOrderPlan& plan) {
    if (!plan.ordered) return false;
    if (plan.order.size() != plan.rowsBefore) return true;
    for (std::size_t i = 0; i < plan.order.size(); ++i) {
        if (plan.order[i].row != i) return true;
    }
    return false;
}

}  // namespace

bool OrderPlan::changesList() const {
    return changesView(digital) || changesView(analog);
}

OrderPlan planOrder(const TokenArray& tokens, const OrderReference& reference,
                    const OrderOptions& options) {
    const SectionMap sections = locateSections(tokens);
    return {planView(tokens, sections, true, reference.digital, options),
            planView(tokens, sections, false, reference.analog, options)};
}

void applyOrderPlan(TokenArray& tokens, const OrderPlan& plan) {
    std::array<std::optional<std::vector<std::string>>, 3> cells;
    const SectionMap sections = locateSections(tokens);
    if (plan.digital.ordered) collectCells(tokens, sections, plan.digital, cells);
    if (plan.analog.ordered) collectCells(tokens, sections, plan.analog, cells);
    for (const RecordKind kind : {RecordKind::Digital, RecordKind::Pid, RecordKind::Analog}) {
        if (cells[kindNumber(kind)])
            replaceSection(tokens, sectionOf(kind), *cells[kindNumber(kind)]);
    }
}

std::optional<OrderPlan> applyOrder(ListDocument& document, const OrderReference& reference,
                                    const OrderOptions& options) {
    if (!document.loaded() || document.locked()) return std::nullopt;
    OrderPlan plan = planOrder(document.tokens(), reference, options);
    if (!plan.changesList()) return std::nullopt;
    document.recordUndo(kApplyOrderLabel);
    applyOrderPlan(document.tokens(), plan);
    document.markModified();
    document.changed(true);
    return plan;
}

}  // namespace sky
