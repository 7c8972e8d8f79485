#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/UserInterface.h"
#include "db/TokenArray.h"
#include "editor/dialogs/ChannelDialogData.h"
#include "editor/model/SectionMap.h"

namespace sky {

// Helpers shared by the channel and satellite editors.

// Names, service ids and bouquets are compared trimmed and without regard to letter case.
bool sameText(std::string_view a, std::string_view b);

// The first record of a section whose Index cell is `index`; its first cell.
std::optional<std::size_t> findRecordByIndex(const TokenArray& tokens, const SectionSpan& span,
                                             int width, std::string_view index);

// The largest decimal Index of a section's records; 0 for an empty section.
long long largestIndex(const TokenArray& tokens, const SectionSpan& span, int width);

// Whether the token array holds both markers of a section; a record can be added only then.
// When not, "Can't find" with the missing section's marker is shown.
bool sectionPresent(const SectionMap& sections, SectionState state, IUserInterface& ui);

// Puts a record's cells into the array before cell `at`.
void insertRecord(TokenArray& tokens, std::size_t at, const std::vector<std::string>& record);

// A copy of the satellite section's cells, as the channel dialogs take them.
std::vector<std::string> satelliteCells(const TokenArray& tokens, const SectionMap& sections);

inline constexpr const char* kNoSatelliteChosen = "CANCELED : No satellite is selected!!!";

// Presets a channel dialog to the first satellite record, as a new channel starts.
void chooseFirstSatellite(ChannelDialogData& data);

// The Index of the satellite record chosen in a channel dialog; nothing when the picker had no
// satellite selected. A new channel needs one: it is refused with kNoSatelliteChosen.
std::optional<std::string> chosenSatelliteIndex(const ChannelDialogData& data);

// What the list file's reader demands of a column beyond being one word.
enum class ColumnForm {
    Word,              // any text
    Number,            // a decimal number: an optional sign and digits
    FourOrFiveDigits,  // a frequency or symbol rate: 4 or 5 characters
};

// A value typed into a dialog field that the list file keeps as one column.
struct ColumnValue {
    const char* label;
    std::string_view text;
    ColumnForm form = ColumnForm::Word;
};

// The list file separates its columns by white space and reads double quotes and "#" as quoting
// and comment marks, so a value that is empty or holds any of them would shift the row's
// columns when the list is saved; and a number or frequency column of another form fails the
// check the list passes when it is opened. Either way the list could not be opened again. The
// first such value is refused with a message naming its field; true when every value can be
// written.
bool columnsWritable(std::initializer_list<ColumnValue> values, IUserInterface& ui);

// A name is written between double quotes, which keep its spaces; but a tab or a line break in it
// still splits the row, and in the satellite section a "#" starts a comment even between the
// quotes. Such a name is refused with a message naming its field; true when it can be written.
bool nameWritable(const ColumnValue& name, bool inSatelliteSection, IUserInterface& ui);

}  // namespace sky
