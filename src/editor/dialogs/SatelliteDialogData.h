#pragma once

#include <array>
#include <optional>
#include <string>

#include "common/UserInterface.h"
#include "editor/dialogs/DialogEdits.h"

namespace sky {

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

    // OK or Cancel was pressed, after the dialog has put its control values into the fields.
    // OK with a text too long for its edit is reported and keeps the dialog open (nothing
    // returned).
    std::optional<DialogEnd> finish(DialogEnd button, IUserInterface& ui) const;
};

}  // namespace sky
