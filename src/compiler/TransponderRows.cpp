// Rows of the digital transponder section, in the Basic and the Normal layout.

#include "compiler/CompileMessages.h"
#include "compiler/ListCompiler.h"
#include "compiler/RecordFields.h"
#include "db/RowFields.h"

namespace sky {

bool ListCompiler::readTransponderRow(std::string_view line,
                                      std::span<std::string_view, kTransponderFields> f,
                                      int32_t& index, int32_t& slot, bool& use) {
    if (!takeFields(line, f)) return false;
    bool ok = true;
    index = decimal(f[kTpIndex], ok);
    slot = decimal(f[kTpSatIndex], ok);
    if (!ok) return fail(msg::kCheckLine);
    return checkSatellite(slot, use);
}

// Basic keeps the D_TP Index as written and packs the polarization into the satellite byte.
bool ListCompiler::tpRowBasic(std::string_view line) {
    std::array<std::string_view, kTransponderFields> f;
    int32_t index = 0;
    int32_t slot = 0;
    bool use = false;
    if (!readTransponderRow(line, f, index, slot, use)) return false;
    if (!use) return true;

    std::array<uint8_t, 22> record{};
    putName(record, 3, f[kTpComment], kMaxNameLength);  // longer comments are cut
    ++tpCount_;
    if (!enterIndex(tpMap_, index, tpCount_, msg::kTpIndexRange, msg::kSameTpIndex)) return false;
    if (!isDigitFieldLength(f[kTpFrequency])) return fail(msg::kTpFrequencyBasic);
    if (!isDigitFieldLength(f[kTpSymbolRate])) return fail(msg::kTpSymbolRateBasic);
    const char polarization = firstChar(f[kTpPolarisation]);
    if (polarization != 'H' && polarization != 'V') return fail(msg::kTpPolarizationBasic);

    put16(record, 0, static_cast<uint32_t>(index));
    record[2] = static_cast<uint8_t>((slot & 0x7F) | (polarization == 'V' ? 0x80 : 0));
    putDigitField(record, 16, f[kTpFrequency]);
    putDigitField(record, 19, f[kTpSymbolRate]);
    writeRecord(record, RecordType::DigitalTp);
    return true;
}

// Normal records carry the transponder's position among the compiled ones instead of its index.
bool ListCompiler::tpRowNormal(std::string_view line) {
    std::array<std::string_view, kTransponderFields> f;
    int32_t index = 0;
    int32_t slot = 0;
    bool use = false;
    if (!readTransponderRow(line, f, index, slot, use)) return false;
    if (!use) return true;

    std::array<uint8_t, 34> record{};
    const std::string_view name =
        f[kTpComment].substr(0, kMaxNameLength);  // longer comments are cut
    record[9] = static_cast<uint8_t>(name.size());
    putName(record, 10, name, kMaxNameLength);
    const char polarization = firstChar(f[kTpPolarisation]);
    if (polarization != 'H' && polarization != 'V') return fail(msg::kTpPolarizationNormal);
    if (!isDigitFieldLength(f[kTpFrequency])) return fail(msg::kTpFrequencyNormal);
    if (!isDigitFieldLength(f[kTpSymbolRate])) return fail(msg::kTpSymbolRateNormal);
    ++tpCount_;
    if (!enterIndex(tpMap_, index, tpCount_, msg::kTpIndexRange, msg::kSameTpIndex)) return false;

    record[0] = static_cast<uint8_t>(slot);
    record[2] = polarization == 'V' ? 1 : 0;
    putDigitField(record, 3, f[kTpFrequency]);
    putDigitField(record, 6, f[kTpSymbolRate]);
    put16(record, 24, 0xFFFF);
    put16(record, 26, 0xFFFF);
    put16(record, 28, tpCount_);
    writeRecord(record, RecordType::DigitalTp);
    return true;
}

}  // namespace sky
