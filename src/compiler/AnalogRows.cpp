// Rows of the analog section: one analog channel with its transponder settings per row, in the
// same layout in both modes.

#include "compiler/CompileMessages.h"
#include "compiler/ListCompiler.h"
#include "compiler/RecordFields.h"
#include "db/RowFields.h"

namespace sky {

bool ListCompiler::analogRow(std::string_view line) {
    std::array<std::string_view, kAnalogFields> f;
    if (!takeFields(line, f)) return false;
    bool ok = true;
    const int32_t index = decimal(f[kAnIndex], ok);
    const int32_t slot = decimal(f[kAnSatIndex], ok);
    const int32_t threshold = decimal(f[kAnThreshold], ok);
    const int32_t contrast = decimal(f[kAnContrast], ok);
    if (!ok) return fail(msg::kCheckLine);
    const std::string_view frequency = f[kAnFrequency];
    const std::string_view name = f[kAnName];
    bool use = false;
    if (!checkSatellite(slot, use)) return false;
    if (!use) return true;

    const int type = keywordIndex(f[kAnType], {"TV", "RADIO"});
    if (type == 0) ++tvProgram_;
    if (type == 1) ++radioProgram_;
    if (type < 0) return fail(msg::kTvRadio);
    const char blank = firstChar(f[kAnBlank]);
    if (blank != 'Y' && blank != 'N') return fail(msg::kBlank);
    ++analogCount_;
    // A repeated A_TP Index fails without a message, as it always has.
    if (!enterIndex(analogMap_, index, analogCount_, msg::kAnalogIndexRange, nullptr)) return false;
    if (name.size() > kMaxNameLength) return fail(msg::kNameExceeds, kMaxNameLength);
    if (!isDigitFieldLength(frequency)) return fail(msg::kAnalogFrequency);

    std::array<uint8_t, 26> record{};
    std::array<uint8_t, 3> digits{};
    putDigitField(digits, 0, frequency);
    record[0] = digits[0] & 0x0F;
    record[1] = digits[1];
    record[2] = digits[2];
    putAudioSubcarriers(record, 3, f[kAnAudioFreqLeft], f[kAnAudioFreqRight]);
    putName(record, 6, name, kMaxNameLength);
    record[20] = static_cast<uint8_t>(contrast);
    record[21] = static_cast<uint8_t>(threshold);

    const int videoBand = keywordIndex(f[kAnVideoBand], {"18MHz", "27MHz"});
    if (videoBand < 0) return fail(msg::kVideoBand);
    const char polarization = firstChar(f[kAnPolarisation]);
    if (polarization != 'H' && polarization != 'V') return fail(msg::kAnalogPolarization);
    const int audioMode = keywordIndex(f[kAnAudioMode], {"STEREO", "MONO_LEFT", "MONO_RIGHT"});
    if (audioMode < 0) return fail(msg::kAudioMode);
    const int decoder =
        keywordIndex(f[kAnDecoderOutput], {"CVBS", "DEEMP_CVBS", "BASEBAND", "CANAL"});
    if (decoder < 0) return fail(msg::kDecoderOutput);
    record[22] = static_cast<uint8_t>(videoBand << 6 | (polarization == 'V') << 4 | audioMode << 2 |
                                      decoder);

    const int audioBand = keywordIndex(f[kAnBandWidth], {"130", "180", "280", "300", "400"});
    if (audioBand < 0) return fail(msg::kAudioBand);
    const int deEmphasis = keywordIndex(f[kAnDeEmphasis], {"NO_DEEMP", "U50", "U75", "J17"});
    if (deEmphasis < 0) return fail(msg::kDeEmphasis);
    const char panda = firstChar(f[kAnDnr]);
    if (panda != 'Y' && panda != 'N') return fail(msg::kPanda);
    const int tpBand = keywordIndex(f[kAnSignalBand], {"C", "KU"});
    if (tpBand < 0) return fail(msg::kTpBand);
    record[23] =
        static_cast<uint8_t>(tpBand << 7 | audioBand << 4 | deEmphasis << 1 | (panda == 'Y'));

    const int blankBit = blank == 'Y' ? 8 : 0;
    record[25] = static_cast<uint8_t>(slot);
    if (!normal_) {
        record[24] = static_cast<uint8_t>(blankBit + type);
        writeRecord(record, RecordType::Analog);
        return true;
    }
    // Normal numbers the channel: the program number's bits 8 to 11 go above the frequency
    // digit, its low byte into the last name byte.
    const uint16_t program = programNumber(type);
    record[0] = static_cast<uint8_t>(record[0] | ((program >> 8) & 0x0F) << 4);
    record[19] = static_cast<uint8_t>(program);
    record[24] = static_cast<uint8_t>(blankBit + type + 4);
    writeRecord(record, RecordType::Analog);
    if (type == 0) {
        ++tvCount_;
    } else {
        ++radioCount_;
    }
    return true;
}

}  // namespace sky
