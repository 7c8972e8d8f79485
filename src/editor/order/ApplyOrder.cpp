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

// What decides the kind of null channel a null place takes.
struct PlaceContext {
    bool digitalView = true;
    bool kindsKnown = true;                   // the reference's rows carry their own kind
    std::vector<RecordKind> matched;          // the kinds of the matched rows, in the new order
    std::optional<RecordKind> kept;           // the kind of the last row before the start
    std::array<bool, 3> present{};            // the kinds of record the view holds
    std::array<std::size_t, 3> spareNulls{};  // the list's null channels no reference row names
};

// A kind of null channel the view can make (a new one copies a record of its kind): the one
// asked for, or the view's other kind.
std::optional<RecordKind> makeableKind(RecordKind kind, const PlaceContext& context) {
    if (!context.digitalView) kind = RecordKind::Analog;
    if (context.present[kindNumber(kind)]) return kind;
    if (!context.digitalView) return std::nullopt;
    kind = kind == RecordKind::Pid ? RecordKind::Digital : RecordKind::Pid;
    if (context.present[kindNumber(kind)]) return kind;
    return std::nullopt;
}

// The reference's null places and the kind of null channel each takes. The Digital Channel view
// shows every digital channel before every PID channel: a place after a PID channel (matched, or
// kept before the start) takes a PID null channel and one before a digital channel a digital one,
// or the rows would move around it. A place between the two, or at an end, takes the reference's
// kind; a number;name reference does not say it, so those places take the list's own spare null
// channels, digital ones first, as the list has them, and new ones for the rest.
std::vector<NullPlace> nullPlaces(const std::vector<MatchRow>& reference,
                                  const PlaceContext& context) {
    std::vector<NullPlace> places;
    std::vector<std::size_t> open;  // places whose kind the reference leaves open
    const std::size_t matched = context.matched.size();
    std::size_t rowsBefore = 0;
    for (std::size_t ref = 0; ref < reference.size(); ++ref) {
        if (!reference[ref].isNull) continue;
        // As planView lays them out: a place goes in once the rows and places before it reach
        // its position.
        rowsBefore = std::min(std::max(rowsBefore, ref - places.size()), matched);
        const std::optional<RecordKind> previous =
            rowsBefore > 0 ? std::optional(context.matched[rowsBefore - 1]) : context.kept;
        const std::optional<RecordKind> next =
            rowsBefore < matched ? std::optional(context.matched[rowsBefore]) : std::nullopt;
        RecordKind kind = reference[ref].kind;
        bool leftOpen = false;
        if (previous == RecordKind::Pid) {
            kind = RecordKind::Pid;
        } else if (next == RecordKind::Digital) {
            kind = RecordKind::Digital;
        } else {
            leftOpen = !context.kindsKnown && context.digitalView;
        }
        const std::optional<RecordKind> made = makeableKind(kind, context);
        if (!made) continue;
        if (leftOpen) open.push_back(places.size());
        places.push_back({ref, *made});
    }
    if (open.empty()) return places;

    // The open places run from digital to PID: the spare digital null channels, new ones, then
    // the spare PID null channels.
    std::array<std::size_t, 3> spare = context.spareNulls;
    for (std::size_t place = 0, next = 0; place < places.size(); ++place) {
        if (next < open.size() && open[next] == place) {
            ++next;
            continue;
        }
        std::size_t& left = spare[kindNumber(places[place].kind)];
        left -= std::min(left, std::size_t{1});
    }
    const std::size_t digital = std::min(open.size(), spare[kindNumber(RecordKind::Digital)]);
    const std::size_t pid = std::min(open.size() - digital, spare[kindNumber(RecordKind::Pid)]);
    const RecordKind made = *makeableKind(RecordKind::Digital, context);
    for (std::size_t i = 0; i < open.size(); ++i) {
        places[open[i]].kind = i < digital             ? RecordKind::Digital
                               : i < open.size() - pid ? made
                                                       : RecordKind::Pid;
    }
    return places;
}

ViewOrderPlan planView(const TokenArray& tokens, const MatchRowReader& reader, bool digitalView,
                       const std::optional<std::vector<MatchRow>>& reference, bool kindsKnown,
                       const OrderOptions& options) {
    ViewOrderPlan plan;
    plan.digitalView = digitalView;
    const SectionMap& sections = reader.sections();
    const std::vector<MatchRow> rows = reader.view(digitalView);
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

    // The reference's null places, and the list's unmatched null channels that fill them.
    std::vector<NullPlace> places;
    std::array<std::size_t, 3> wanted{};
    if (options.keepNullPlaces) {
        PlaceContext context;
        context.digitalView = digitalView;
        context.kindsKnown = kindsKnown;
        for (const MatchRow& row : rows) context.present[kindNumber(row.kind)] = true;
        for (const std::uint32_t row : matching.listRowOf) {
            if (row != RowMatching::kNone) context.matched.push_back(list[row].kind);
        }
        if (first > 0) context.kept = rows[first - 1].kind;
        for (std::size_t row = 0; row < list.size(); ++row) {
            if (list[row].isNull && matching.referenceRowOf[row] == RowMatching::kNone)
                ++context.spareNulls[kindNumber(list[row].kind)];
        }
        places = nullPlaces(*reference, context);
        for (const NullPlace& place : places) ++wanted[kindNumber(place.kind)];
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
    // The view shows the digital channels before the PID channels, whatever the order above.
    std::stable_partition(plan.order.begin(), plan.order.end(),
                          [](const OrderSlot& slot) { return slot.kind != RecordKind::Pid; });
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
    const MatchRowReader reader(tokens);
    return {planView(tokens, reader, true, reference.digital, reference.kindsKnown, options),
            planView(tokens, reader, false, reference.analog, reference.kindsKnown, options)};
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

namespace {

// Carries out a plan made on the document's list as it is now.
std::optional<OrderPlan> applyPlan(ListDocument& document, OrderPlan plan) {
    if (!plan.changesList()) return std::nullopt;
    const bool applied = document.edit(
        kApplyOrderLabel,
        [&plan](ListEdit& list) {
            applyOrderPlan(list.tokens(), plan);
            return true;
        },
        Renumber::Yes);
    if (!applied) return std::nullopt;
    return plan;
}

}  // namespace

std::optional<OrderPlan> applyOrder(ListDocument& document, const OrderReference& reference,
                                    const OrderOptions& options) {
    if (!document.editable()) return std::nullopt;
    return applyPlan(document, planOrder(document.tokens(), reference, options));
}

std::optional<OrderPlan> applyOrder(ListDocument& document, const OrderReference& reference,
                                    const OrderOptions& options, const OrderPlan& preview,
                                    std::uint64_t previewRevision) {
    if (document.revision() != previewRevision) return applyOrder(document, reference, options);
    if (!document.editable()) return std::nullopt;
    return applyPlan(document, preview);
}

}  // namespace sky
