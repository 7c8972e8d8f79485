#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/UserInterface.h"
#include "editor/dialogs/DialogEdits.h"

namespace sky {

// The LNB presets offered beside the two LNB_LO fields: each sets both fields; Custom leaves them
// as typed. The preset shown follows the fields (lnbPresetOf()), so a row typed by hand with a
// preset's values shows that preset.
enum class LnbPreset { Universal, Single10750, Single10600, Single11300, CBand, CBandDual, Custom };

struct LnbPresetInfo {
    LnbPreset preset;
    const char* name;  // as the choice shows it
    const char* high;  // the LNB_LO HIGH field it sets
    const char* low;   // the LNB_LO LOW field it sets
};

// Every preset, Custom last (its fields empty).
const std::array<LnbPresetInfo, 7>& lnbPresets();
// The preset whose LO values the fields hold (compared as numbers: "9750" is "09750"), or Custom.
LnbPreset lnbPresetOf(std::string_view high, std::string_view low);

// The data of the satellite dialog: the editable fields of one satellite record, the degree in
// display form.
class SatelliteDialogData {
public:
    enum class Field { Name, LnbLow, LnbHigh, Position, Degree };

    static constexpr std::array<EditLimit<Field>, 5> kEditLimits{{
        {Field::Name, 13},
        {Field::LnbLow, 5},
        {Field::LnbHigh, 5},
        {Field::Position, 5},
        {Field::Degree, 6},
    }};

    static constexpr const char* kCaption = "Satellite Setting Dialog - Edit";

    std::string name;
    std::string lnbLow;
    std::string lnbHigh;
    std::string position;
    std::string degree;
    // The "Blank" radio buttons: No unless the caller says otherwise.
    bool blank = false;

    std::string& text(Field field);
    const std::string& text(Field field) const;
    static size_t editLimit(Field field) { return editLimitOf(kEditLimits, field); }
    std::optional<Field> tooLongField() const;

    // Puts the preset's LO values into the two fields; Custom changes nothing.
    void applyLnbPreset(LnbPreset preset);
    LnbPreset lnbPreset() const { return lnbPresetOf(lnbHigh, lnbLow); }

    // OK or Cancel was pressed, after the dialog has put its control values into the fields.
    // OK with a text too long for its edit is reported and keeps the dialog open (nothing
    // returned).
    std::optional<DialogEnd> finish(DialogEnd button, IUserInterface& ui) const;
};

}  // namespace sky
