#include "editor/dialogs/ChannelDialogData.h"

#include "editor/model/Degree.h"
#include "editor/model/FieldText.h"

namespace sky {

int ChannelDialogData::satelliteCount() const {
    return static_cast<int>(satelliteRows.size() / kSatelliteRowWidth);
}

const std::string* ChannelDialogData::satelliteCell(int row, int cell) const {
    if (row < 0 || row >= satelliteCount()) return nullptr;
    return &satelliteRows[static_cast<size_t>(row) * kSatelliteRowWidth + cell];
}

std::vector<std::string> ChannelDialogData::satelliteNames() const {
    std::vector<std::string> names;
    for (int row = 0; row < satelliteCount(); ++row) names.push_back(*satelliteCell(row, 1));
    return names;
}

bool ChannelDialogData::satelliteDeclared() const {
    for (int row = 0; row < satelliteCount(); ++row) {
        if (*satelliteCell(row, 0) == satelliteIndexHint) return true;
    }
    return false;
}

int ChannelDialogData::preselectedSatellite() const {
    if (satelliteName.empty()) return -1;
    // A name alone can be ambiguous: several blank slots may share one, and one name may begin
    // another ("ASTRA" and "ASTRA 2"). Choosing the wrong row would move the channel to
    // another satellite on OK, so the exact record is preferred.
    for (int row = 0; row < satelliteCount(); ++row) {
        if (*satelliteCell(row, 1) == satelliteName &&
            *satelliteCell(row, 0) == satelliteIndexHint) {
            return row;
        }
    }
    for (int row = 0; row < satelliteCount(); ++row) {
        if (*satelliteCell(row, 1) == satelliteName) return row;
    }
    const std::string prefix = upperAscii(satelliteName);
    for (int row = 0; row < satelliteCount(); ++row) {
        if (upperAscii(*satelliteCell(row, 1)).starts_with(prefix)) return row;
    }
    return -1;
}

void ChannelDialogData::open() {
    openFields();
    pickerSelection_ = preselectedSatellite();
}

bool ChannelDialogData::pickSatellite(int row, IUserInterface& ui) {
    pickerSelection_ = row;
    satelliteIndex = row;
    if (!satelliteCell(row, 0)) return false;
    const std::optional<std::string> display = degreeToDisplay(*satelliteCell(row, 6), ui);
    if (!display) {
        ui.message(kDegreeFormatError);
        return false;
    }
    satelliteName = *satelliteCell(row, 1);
    lnbHigh = *satelliteCell(row, 3);
    lnbLow = *satelliteCell(row, 4);
    position = *satelliteCell(row, 5);
    degree = *display;
    return true;
}

std::optional<DialogEnd> ChannelDialogData::keyCommand(DialogKey key, bool okHasFocus) {
    if (key == DialogKey::Insert) return DialogEnd::InsertNull;
    if (key == DialogKey::Delete && okHasFocus) return DialogEnd::Delete;
    return std::nullopt;
}

std::optional<DialogEnd> ChannelDialogData::finish(DialogEnd button, IUserInterface& ui) {
    if (button == DialogEnd::Cancel) return button;
    // The flags are set only once the values are taken: a refused Delete must not turn a later
    // OK into a delete.
    if (const std::optional<size_t> limit = tooLongLimit()) {
        ui.message(tooLongMessage(*limit));
        return std::nullopt;
    }
    switch (button) {
        case DialogEnd::Ok:
            satelliteIndex = pickerSelection_;
            break;
        case DialogEnd::Delete:
            deleteFlag = true;
            break;
        case DialogEnd::InsertNull:
            insertNullFlag = true;
            break;
        case DialogEnd::Cancel:
            break;
    }
    return button;
}

}  // namespace sky
