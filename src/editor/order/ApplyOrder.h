#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "db/TokenArray.h"
#include "editor/document/ListDocument.h"
#include "editor/order/OrderReference.h"

namespace sky {

// Apply Order from List: the channels of each view the reference orders take the reference's
// order. A preview dialog reads the reference (readOrderReference()), shows planOrder()'s counts
// and unmatched rows for the options the user picks, and on Apply calls applyOrder(), which plans
// again on the list as it is then and changes it as one undoable step.

// The undo entry: Edit Channel > Undo then reads "Undo (n - Apply Order)".
inline constexpr const char* kApplyOrderLabel = "Apply Order";

enum class UnmatchedRows {
    Keep,    // after the matched rows, in their present order
    Remove,  // deleted
};

struct OrderOptions {
    UnmatchedRows unmatched = UnmatchedRows::Keep;
    // A null channel of the reference at position k (counted from startNumber) leaves a null
    // channel at position k: one of the list's own null channels (they go first, in their order)
    // or a new one. The Digital Channel view shows its PID channels after its digital ones, so a
    // place after a PID channel takes a PID null channel, one before a digital channel a digital
    // one. Off: the reference's null channels are passed over, and the list's null channels are
    // unmatched rows like any other.
    bool keepNullPlaces = true;
    // The view's rows numbered below this stay where they are and take no part; the reference's
    // first row goes to this number.
    std::size_t startNumber = 1;
};

// A row as the preview names it.
struct OrderRowText {
    std::string number;  // its Index cell (the reference's: its position from startNumber)
    std::string name;
};

// One place of a view's new order.
struct OrderSlot {
    static constexpr std::uint32_t kNewNull = UINT32_MAX;
    std::uint32_t row;  // the view row that goes here, or kNewNull
    RecordKind kind;    // the record's kind (a new null channel's)
};

// What Apply does to one view.
struct ViewOrderPlan {
    bool digitalView = true;
    std::size_t rowsBefore = 0;  // the view's rows now
    bool ordered = false;        // the reference orders this view; else nothing below applies
    std::size_t byIdentity = 0;  // rows matched by identity
    std::size_t byName = 0;      // rows matched by name
    std::size_t nullPlaces = 0;  // null channels put at the reference's null places
    std::size_t newNulls = 0;    // of those, null channels made for want of the list's own
    std::vector<OrderRowText> unmatched;  // the list's rows no reference row names, in list order:
                                          // placed after the matched ones or removed
    std::vector<OrderRowText> notFound;   // the reference's rows no list row matches
    std::vector<OrderSlot> order;         // the view's rows as Apply leaves them
};

struct OrderPlan {
    ViewOrderPlan digital;
    ViewOrderPlan analog;

    // Apply would change the list's order or content.
    bool changesList() const;
};

// Matches the reference with the list and works out each view's new order; the list is not
// touched.
OrderPlan planOrder(const TokenArray& tokens, const OrderReference& reference,
                    const OrderOptions& options);

// Rearranges the channel sections as the plan says (made on this array as it is). Channels keep
// their transponder and satellite cells, so they keep naming the same rows; the Index cells are
// not renumbered: the caller does that, as after a sort (renumberChannels(), or the document's
// changed(true)).
void applyOrderPlan(TokenArray& tokens, const OrderPlan& plan);

// Apply as an edit of the document: plans on the list as it is, records the undo entry
// "Apply Order", rearranges, marks the list modified and refreshes it renumbered. Nothing happens
// to a document that is locked by a transfer or has no list, and no undo entry is made when the
// order would not change. Returns the plan carried out (nothing when nothing changed).
std::optional<OrderPlan> applyOrder(ListDocument& document, const OrderReference& reference,
                                    const OrderOptions& options);

// Apply after a preview: `preview` is the plan of these options made on the list at revision
// `previewRevision` (ListDocument::revision()). While the list is still at that revision the
// preview is carried out as it is, without matching the reference again; else as above.
std::optional<OrderPlan> applyOrder(ListDocument& document, const OrderReference& reference,
                                    const OrderOptions& options, const OrderPlan& preview,
                                    std::uint64_t previewRevision);

}  // namespace sky
