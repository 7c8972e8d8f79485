#include "editor/find/RowFilter.h"

#include "db/RecordLayout.h"
#include "editor/find/FoldedText.h"
#include "editor/model/SectionMap.h"

namespace sky {

namespace {

bool typeMatches(RowIcon icon, TypeChoice type) {
    if (type == TypeChoice::All || icon == RowIcon::Plain) return true;
    return (icon == RowIcon::Tv) == (type == TypeChoice::Tv);
}

}  // namespace

std::vector<std::size_t> searchedColumns(const std::vector<Column>& columns) {
    std::vector<std::size_t> shown;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (columns[c].width > 0) shown.push_back(c);
    }
    return shown;
}

std::vector<std::size_t> matchingRows(const ShownList& shown, const FindQuery& query,
                                      std::optional<std::size_t> satelliteColumn) {
    const FoldedText text(query.text);
    const std::vector<std::size_t> columns =
        query.column ? std::vector<std::size_t>{*query.column} : searchedColumns(shown.columns());
    const bool bySatellite = query.satellite && satelliteColumn;
    std::vector<std::size_t> rows;
    for (std::size_t row = 0; row < shown.listRowCount(); ++row) {
        if (!typeMatches(shown.listIcon(row), query.type)) continue;
        if (bySatellite && shown.listCell(row, *satelliteColumn) != *query.satellite) continue;
        bool found = text.empty();
        for (std::size_t i = 0; !found && i < columns.size(); ++i) {
            found = text.foundIn(shown.listCell(row, columns[i]));
        }
        if (found) rows.push_back(row);
    }
    return rows;
}

std::vector<SatelliteChoice> satelliteChoices(const TokenArray& tokens) {
    const SectionSpan span = locateSections(tokens)[kSatelliteSection];
    std::vector<SatelliteChoice> choices;
    for (std::size_t cell = span.begin; cell + kSatelliteFields <= span.end;
         cell += kSatelliteFields) {
        choices.push_back({tokens[cell + kSatIndex], tokens[cell + kSatName]});
    }
    return choices;
}

}  // namespace sky
