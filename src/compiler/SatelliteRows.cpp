// Rows of the satellite-name list and of the satellite section.

#include <algorithm>
#include <initializer_list>

#include "compiler/CompileMessages.h"
#include "compiler/ListCompiler.h"
#include "compiler/RecordFields.h"
#include "db/RowFields.h"

namespace sky {

bool ListCompiler::nameRow(std::string_view line) {
    std::array<std::string_view, kSatNameFields> f;
    if (!takeFields(line, f)) return false;
    bool ok = true;
    const int32_t index = decimal(f[kNameIndex], ok);
    if (!ok) return fail(msg::kCheckLine);
    const std::string_view name = f[kNameText];

    if (name.size() > kMaxNameLength) return fail(msg::kSatNameExceeds, kMaxNameLength);
    if (index != nameRows_ + 1) return fail(msg::kSatNameIndex);
    if (normal_) {
        // Normal images carry no names.
        ++nameRows_;
        return true;
    }
    // Rows beyond the table are counted only; the SATELLITE header refuses their number.
    const int tableSize = job_.satNameCount;
    if (nameRows_ < tableSize) {
        putName(nameTable_, static_cast<size_t>(nameRows_) * kNameSize, name, kMaxNameLength);
    }
    ++nameRows_;
    if (nameRows_ == tableSize) {
        writeRecord(std::span(nameTable_).first(static_cast<size_t>(tableSize) * kNameSize),
                    RecordType::NameTable);
    }
    return true;
}

bool ListCompiler::satelliteRow(std::string_view line) {
    // Only this section counts its fields, up to a trailing comment.
    const std::string_view text = line.substr(0, line.find('#'));
    std::array<std::string_view, kSatelliteFields> f;
    const size_t count = splitFields(text, f);
    // How many leading fields read as their kind (the decimal ones marked true).
    const auto readable = [&](std::initializer_list<bool> decimals) {
        size_t n = 0;
        for (const bool isDecimal : decimals) {
            if (n == count || (isDecimal && !decimalField(f[n]))) break;
            ++n;
        }
        return n;
    };

    const auto illegal = [this] {
        report(msg::kSatelliteIllegal);
        return false;
    };

    bool blank = false;
    std::string_view high;
    std::string_view low;
    std::string_view position;
    std::string_view posotioner;
    const char third = count >= 3 ? firstChar(f[kSatBlank]) : '\0';
    if (third == 'Y' || third == 'N') {
        const size_t read = readable({true, false, false, false, false, true, true});
        if (read < 6) return illegal();
        blank = third == 'Y';
        high = f[kSatLnbHigh];
        low = f[kSatLnbLow];
        position = f[kSatPosition];
        if (read == 7) posotioner = f[kSatPositioner];
    } else {
        // The older form without the Blank column: Blank N, no Posotioner.
        if (readable({true, false, false, false, true}) < 5) return illegal();
        high = f[kSatLnbHigh - 1];
        low = f[kSatLnbLow - 1];
        position = f[kSatPosition - 1];
    }
    const int32_t index = *decimalField(f[kSatIndex]);
    const std::string_view name = f[kSatName];

    if (name.size() > kMaxNameLength) return fail(msg::kSatNameExceeds, kMaxNameLength);
    std::array<uint8_t, 28> record{};
    record[1] = static_cast<uint8_t>(name.size());
    putName(record, 2, name, kMaxNameLength);
    record[23] = 1;  // in use
    ++satCount_;

    if (index < 0 || static_cast<size_t>(index) >= kSatelliteSlots) {
        return fail(msg::kSatIndexRange);
    }
    const size_t slot = static_cast<size_t>(index);
    if (satMap_[slot] != 0) return fail(msg::kSameSatIndex);
    if (!blank) satBlank_[slot] = 0;
    satMap_[slot] = satCount_;

    if (!isDigitFieldLength(high)) return fail(msg::kLnbHigh);
    if (!isDigitFieldLength(low)) return fail(msg::kLnbLow);

    record[0] = static_cast<uint8_t>(slot);
    putDigitField(record, 16, high);
    putDigitField(record, 19, low);
    record[22] = static_cast<uint8_t>(*decimalField(position));
    record[24] = blank ? 1 : 0;
    if (!posotioner.empty()) put16(record, 26, static_cast<uint32_t>(*decimalField(posotioner)));
    writeRecord(record, RecordType::Satellite);
    return true;
}

}  // namespace sky
