// The list view's find and filter: the find bar's query, its matches and its steps.

#include "editor/view/ListView.h"

namespace sky {

void ListView::setFindQuery(FindQuery query) {
    const std::vector<std::size_t> selected = selectedListRows();
    const bool hidingBefore = shown_.filtered();
    finder_.setQuery(std::move(query));
    if (!hidingBefore && !finder_.hidesRows()) {
        // Every row stays shown: only the matches change, the table needs no reset.
        finder_.apply(shown_, satelliteColumn(viewKind_, digital_));
        return;
    }
    list_.beginReset();
    applyFind();
    list_.endReset(ResetScope::Rows);
    selectListRows(selected);
}

void ListView::clearFind() {
    setFindQuery(FindQuery{});
}

void ListView::applyFind() {
    finder_.apply(shown_, satelliteColumn(viewKind_, digital_));
    if (finder_.hidesRows()) {
        shown_.showOnly(finder_.matches());
    } else if (shown_.filtered()) {
        shown_.showAll();
    }
}

std::optional<std::size_t> ListView::findNext() {
    return findStep(true);
}

std::optional<std::size_t> ListView::findPrevious() {
    return findStep(false);
}

std::optional<std::size_t> ListView::findStep(bool forward) {
    const std::vector<std::size_t> selected = selectedListRows();
    const std::optional<std::size_t> from =
        selected.empty() ? std::nullopt : std::optional<std::size_t>(selected.front());
    const std::optional<std::size_t> match = forward ? finder_.next(from) : finder_.previous(from);
    if (!match) return std::nullopt;
    // Every match is shown: hidden rows are exactly those that do not match.
    const std::optional<std::size_t> row = shown_.shownRow(*match);
    if (!row) return std::nullopt;
    list_.selectRows({*row});
    list_.ensureVisible(*row);
    return row;
}

std::string ListView::findCountText() const {
    const std::vector<std::size_t> selected = selectedListRows();
    return finder_.countText(selected.empty() ? std::nullopt
                                              : std::optional<std::size_t>(selected.front()));
}

std::vector<SatelliteChoice> ListView::satelliteChoices() const {
    return sky::satelliteChoices(document_.tokens());
}

bool ListView::satelliteFilterAvailable() const {
    return satelliteColumn(viewKind_, digital_).has_value();
}

}  // namespace sky
