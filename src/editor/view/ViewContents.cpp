#include "editor/view/ViewContents.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "common/Format.h"
#include "db/RecordLayout.h"
#include "db/TextFormat.h"

namespace sky {

std::optional<std::string> showView(ShownList& shown, const ListDocument& model, ViewKind kind,
                                    bool digital, DetailWidths widths) {
    std::vector<Column> columns = viewColumns(kind, digital, widths);
    if (kind == ViewKind::Detail) {
        shown.showDetail(std::move(columns), digital ? model.digitalRows() : model.analogRows(),
                         digital ? int{kDigType} : int{kAnaType});
        return std::nullopt;
    }
    const SectionInfo& info = sectionInfo(sectionOfView(kind));
    const TokenArray& tokens = model.tokens();
    const auto start = std::find(tokens.begin(), tokens.end(), info.startMarker);
    const auto end = std::find(tokens.begin(), tokens.end(), info.endMarker);
    for (const auto& [found, marker] :
         {std::pair{start, info.startMarker}, {end, info.endMarker}}) {
        if (found == tokens.end()) {
            shown.showEmpty(std::move(columns));
            return format("Can't find \" %s \" ", std::string(marker).c_str());
        }
    }
    const auto first = static_cast<std::size_t>(start - tokens.begin()) + 1;
    const auto cells = end > start ? static_cast<std::size_t>(end - start) - 1 : 0;
    const auto rowLength = static_cast<std::size_t>(info.rowLength);
    // The satellite list shows each position in the degree form.
    constexpr int kDegreeColumn = 6;
    shown.showSection(
        std::move(columns), tokens, first, cells / rowLength, info.rowLength,
        kind == ViewKind::SatelliteList ? std::optional<int>(kDegreeColumn) : std::nullopt);
    return std::nullopt;
}

}  // namespace sky
