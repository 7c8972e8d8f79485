#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "db/TokenArray.h"
#include "editor/find/FindQuery.h"
#include "editor/view/ShownList.h"

namespace sky {

// The columns the find bar offers and "All columns" looks in: those shown, with a width above 0,
// as indexes into `columns`.
std::vector<std::size_t> searchedColumns(const std::vector<Column>& columns);

// The list rows of `shown` (all of them, whatever it hides) that match the query, ascending: the
// text in the chosen column or in any searched column, the satellite Index equal to the cell of
// `satelliteColumn` (where the view has one; the detail rows join their satellite by that same
// text), and the type by the row's icon (a row without a type icon passes). A query that narrows
// nothing matches every row.
std::vector<std::size_t> matchingRows(const ShownList& shown, const FindQuery& query,
                                      std::optional<std::size_t> satelliteColumn);

// A satellite the find bar offers: the Index of a record of the satellite section and its name.
struct SatelliteChoice {
    std::string index;
    std::string name;
};

// The satellites the list declares, in the order of its satellite section.
std::vector<SatelliteChoice> satelliteChoices(const TokenArray& tokens);

}  // namespace sky
