#include "editor/dialogs/SatelliteDialogData.h"

#include <cstdint>
#include <utility>

#include "db/RowFields.h"

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

const std::array<LnbPresetInfo, 7>& lnbPresets() {
    // A dual C-band LNB takes the vertical transponders on LOW and the horizontal on HIGH
    // (editor/tuning/LnbTuning.h).
    static const std::array<LnbPresetInfo, 7> presets{{
        {LnbPreset::Universal, "Universal (9750 / 10600)", "10600", "09750"},
        {LnbPreset::Single10750, "Single 10750", "10750", "10750"},
        {LnbPreset::Single10600, "Single 10600", "10600", "10600"},
        {LnbPreset::Single11300, "Single 11300", "11300", "11300"},
        {LnbPreset::CBand, "C-band 5150", "05150", "05150"},
        {LnbPreset::CBandDual, "C-band dual 5150 / 5750", "05750", "05150"},
        {LnbPreset::Custom, "Custom", "", ""},
    }};
    return presets;
}

LnbPreset lnbPresetOf(std::string_view high, std::string_view low) {
    const std::optional<std::int32_t> h = decimalField(high);
    const std::optional<std::int32_t> l = decimalField(low);
    if (!h || !l) return LnbPreset::Custom;
    for (const LnbPresetInfo& info : lnbPresets()) {
        if (info.preset != LnbPreset::Custom && decimalField(info.high) == *h &&
            decimalField(info.low) == *l) {
            return info.preset;
        }
    }
    return LnbPreset::Custom;
}

void SatelliteDialogData::applyLnbPreset(LnbPreset preset) {
    if (preset == LnbPreset::Custom) return;
    const LnbPresetInfo& info = lnbPresets()[static_cast<std::size_t>(preset)];
    lnbHigh = info.high;
    lnbLow = info.low;
}

}  // namespace sky
