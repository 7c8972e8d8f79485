#include "editor/editing/RecordEditing.h"

#include <algorithm>

#include "common/Format.h"
#include "db/RowFields.h"
#include "db/TextFormat.h"
#include "editor/model/Degree.h"
#include "editor/model/FieldText.h"

namespace sky {

bool sameText(std::string_view a, std::string_view b) {
    return trimmedUpper(a) == trimmedUpper(b);
}

std::optional<std::size_t> findRecordByIndex(const TokenArray& tokens, const SectionSpan& span,
                                             int width, std::string_view index) {
    for (std::size_t cell = span.begin; cell + width <= span.end; cell += width) {
        if (tokens[cell] == index) return cell;
    }
    return std::nullopt;
}

long long largestIndex(const TokenArray& tokens, const SectionSpan& span, int width) {
    long long largest = 0;
    for (std::size_t cell = span.begin; cell + width <= span.end; cell += width) {
        largest = std::max(largest, decimalValue(tokens[cell]));
    }
    return largest;
}

bool sectionPresent(const SectionMap& sections, SectionState state, IUserInterface& ui) {
    if (sections[state].found) return true;
    ui.message(format("Can't find \" %s \" ", std::string(sectionInfo(state).startMarker).c_str()));
    return false;
}

void insertRecord(TokenArray& tokens, std::size_t at, const std::vector<std::string>& record) {
    tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(at), record.begin(), record.end());
}

std::vector<std::string> satelliteCells(const TokenArray& tokens, const SectionMap& sections) {
    const SectionSpan& span = sections[kSatelliteSection];
    const std::size_t whole =
        span.records(ChannelDialogData::kSatelliteRowWidth) * ChannelDialogData::kSatelliteRowWidth;
    const auto first = tokens.begin() + static_cast<std::ptrdiff_t>(span.begin);
    return {first, first + static_cast<std::ptrdiff_t>(whole)};
}

void chooseFirstSatellite(ChannelDialogData& data) {
    if (data.satelliteCount() == 0) return;
    const std::vector<std::string>& row = data.satelliteRows;
    data.satelliteIndexHint = row[0];
    data.satelliteName = row[1];
    data.lnbHigh = row[3];
    data.lnbLow = row[4];
    data.position = row[5];
    data.degree = degreeToDisplay(row[6]).value_or("");
    data.satelliteIndex = 0;
}

std::optional<std::string> chosenSatelliteIndex(const ChannelDialogData& data) {
    if (data.satelliteIndex < 0 || data.satelliteIndex >= data.satelliteCount()) {
        return std::nullopt;
    }
    return data.satelliteRows[static_cast<std::size_t>(data.satelliteIndex) *
                              ChannelDialogData::kSatelliteRowWidth];
}

bool columnsWritable(std::initializer_list<ColumnValue> values, IUserInterface& ui) {
    for (const ColumnValue& value : values) {
        const std::string_view text = trimmed(value.text);
        if (text.empty() || text.find_first_of(" \t\r\n\v\f\"#") != std::string_view::npos) {
            ui.message(format("CANCELED : %s must be filled in, without spaces!!!", value.label));
            return false;
        }
        if (value.form == ColumnForm::Number && !decimalField(text)) {
            ui.message(format("CANCELED : %s must be a number!!!", value.label));
            return false;
        }
        if (value.form == ColumnForm::FourOrFiveDigits && !isDigitFieldLength(text)) {
            ui.message(format("CANCELED : %s must have 4 or 5 digits!!!", value.label));
            return false;
        }
    }
    return true;
}

bool nameWritable(const ColumnValue& name, bool inSatelliteSection, IUserInterface& ui) {
    // The views find sections by their marker texts: a name that reads as one would scramble the
    // list.
    if (isSectionMarker(name.text)) {
        ui.message(format("CANCELED : %s must not read as a section marker!!!", name.label));
        return false;
    }
    const std::string_view refused = inSatelliteSection ? "\t\r\n\v\f#" : "\t\r\n\v\f";
    if (name.text.find_first_of(refused) == std::string_view::npos) return true;
    ui.message(format(inSatelliteSection ? "CANCELED : %s must not hold '#', tabs or line breaks!!!"
                                         : "CANCELED : %s must not hold tabs or line breaks!!!",
                      name.label));
    return false;
}

}  // namespace sky
