#include "editor/dialogs/SatelliteDialogData.h"

#include <utility>

namespace sky {

std::string& SatelliteDialogData::text(Field field) {
    return const_cast<std::string&>(std::as_const(*this).text(field));
}

const std::string& SatelliteDialogData::text(Field field) const {
    switch (field) {
        case Field::Name:
            return name;
        case Field::LnbLow:
            return lnbLow;
        case Field::LnbHigh:
            return lnbHigh;
        case Field::Position:
            return position;
        case Field::Degree:
            break;
    }
    return degree;
}

std::optional<SatelliteDialogData::Field> SatelliteDialogData::tooLongField() const {
    if (const auto limit = firstTooLong(*this, kEditLimits)) return limit->field;
    return std::nullopt;
}

std::optional<DialogEnd> SatelliteDialogData::finish(DialogEnd button, IUserInterface& ui) const {
    if (button == DialogEnd::Cancel) return button;
    if (const auto limit = firstTooLong(*this, kEditLimits)) {
        ui.message(tooLongMessage(limit->maxChars));
        return std::nullopt;
    }
    return DialogEnd::Ok;
}

}  // namespace sky
