#include "editor/editing/SatelliteEditing.h"

#include <string>
#include <vector>

#include "db/RowFields.h"
#include "editor/dialogs/ChannelDialogData.h"
#include "editor/editing/RecordEditing.h"
#include "editor/model/Degree.h"

namespace sky {

namespace {

enum SatelliteCell : std::size_t { kName = 1, kBlank, kLnbHigh, kLnbLow, kPosition, kDegree };

constexpr int kSatelliteWidth = ChannelDialogData::kSatelliteRowWidth;

}  // namespace

bool editSatelliteRecord(ListEdit& list, IDialogRunner& dialogs, std::size_t row) {
    const SectionSpan span = list.sections()[kSatelliteSection];
    if (row >= span.records(kSatelliteWidth)) return false;
    IUserInterface& ui = list.ui();
    TokenArray& tokens = list.tokens();
    const auto cell = [&](std::size_t c) -> std::string& {
        return tokens[span.begin + row * kSatelliteWidth + c];
    };

    SatelliteDialogData data;
    data.name = cell(kName);
    // Read as the list file's reader reads it, so that OK keeps a blank flag such as "YES".
    data.blank = firstChar(cell(kBlank)) == 'Y';
    data.lnbHigh = cell(kLnbHigh);
    data.lnbLow = cell(kLnbLow);
    data.position = cell(kPosition);
    const std::optional<std::string> degree = degreeToDisplay(cell(kDegree), ui);
    if (!degree) {
        ui.message(kDegreeFormatError);
        return false;
    }
    data.degree = *degree;

    if (dialogs.run(data) != DialogEnd::Ok) return false;
    if (!nameWritable({"Name", data.name}, true, ui) ||
        !columnsWritable({{"LNB_LO High", data.lnbHigh, ColumnForm::FourOrFiveDigits},
                          {"LNB_LO Low", data.lnbLow, ColumnForm::FourOrFiveDigits},
                          {"Position", data.position, ColumnForm::Number}},
                         ui)) {
        return false;
    }
    const std::vector<std::string> before(&cell(0), &cell(0) + kSatelliteWidth);
    cell(kName) = data.name;
    cell(kBlank) = std::string(data.blank ? "Y" : "N");
    cell(kLnbHigh) = data.lnbHigh;
    cell(kLnbLow) = data.lnbLow;
    cell(kPosition) = data.position;
    if (const std::optional<std::string> stored = degreeToStored(data.degree, ui)) {
        cell(kDegree) = *stored;
    } else {
        ui.message(kDegreeFormatError);
    }
    return !std::equal(before.begin(), before.end(), &cell(0));
}

}  // namespace sky
