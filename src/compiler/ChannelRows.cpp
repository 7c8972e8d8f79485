// Rows of the digital channel and digital PID channel sections. Basic keeps one table per
// section with the file's own indexes; Normal merges both into one numbered channel table.

#include "compiler/CompileMessages.h"
#include "compiler/ListCompiler.h"
#include "compiler/RecordFields.h"
#include "compiler/RowFields.h"

namespace sky {

namespace {

// The Active Audio byte of a Basic record: the track in bits 0 to 6, Blank in bit 7.
uint8_t audioByte(int32_t activeAudio, bool blank) {
    return static_cast<uint8_t>((activeAudio & 0x7F) | (blank ? 0x80 : 0));
}

// Bits 0 to 11 of a Normal channel's transponder word hold the transponder; bits 12 to 15 hold
// bits 8 to 11 of the program number, whose low byte has its own field.
uint16_t transponderWord(uint32_t transponder, uint16_t program) {
    return static_cast<uint16_t>((transponder & 0x0FFF) | ((program >> 8) & 0x0F) << 12);
}

// The flags byte of a Normal channel record.
uint8_t normalFlags(bool blank, int type) {
    return static_cast<uint8_t>(0x54 + (blank ? 8 : 0) + type);
}

}  // namespace

int ListCompiler::countChannelType(std::string_view field) {
    const int type = keywordIndex(field, {"TV", "RADIO"});
    if (type == 0) {
        ++tvCount_;
        ++tvProgram_;
    } else if (type == 1) {
        ++radioCount_;
        ++radioProgram_;
    }
    return type;
}

bool ListCompiler::channelRowBasic(std::string_view line) {
    std::array<std::string_view, 8> f;
    if (!takeFields(line, f)) return false;
    bool ok = true;
    const int32_t index = decimal(f[0], ok);
    const int32_t tpIndex = decimal(f[1], ok);
    const int32_t slot = decimal(f[2], ok);
    const std::optional<uint32_t> serviceId = hexField(f[3]);
    const int32_t activeAudio = decimal(f[6], ok);
    if (!ok || !serviceId) return fail(msg::kCheckLine);
    const std::string_view name = f[5];
    bool use = false;
    if (!checkSatellite(slot, use)) return false;
    if (!use) return true;

    ++serviceCount_;
    if (!enterIndex(serviceMap_, index, serviceCount_, msg::kSvcIndexRange, msg::kSameSvcIndex)) {
        return false;
    }
    const char blank = firstChar(f[7]);
    if (blank != 'Y' && blank != 'N') return fail(msg::kBlank);
    if (blank == 'N') {
        uint16_t position = 0;
        if (!tpPosition(tpIndex, position)) return false;
        if (position == 0) return fail(msg::kTpIndex);
    }
    const int type = keywordIndex(f[4], {"TV", "RADIO"});
    if (type < 0) return fail(msg::kSvcTypeBasic);
    if (name.size() > kMaxNameLength) return fail(msg::kNameExceeds, kMaxNameLength);

    std::array<uint8_t, 24> record{};
    put16(record, 0, *serviceId);
    put16(record, 2, static_cast<uint32_t>(index));
    put16(record, 4, static_cast<uint32_t>(tpIndex));
    record[6] = static_cast<uint8_t>(slot);
    record[7] = static_cast<uint8_t>(type + 1);
    record[8] = static_cast<uint8_t>(name.size());
    putName(record, 9, name, kMaxNameLength);
    record[23] = audioByte(activeAudio, blank == 'Y');
    writeRecord(record, RecordType::Channel);
    return true;
}

bool ListCompiler::channelRowNormal(std::string_view line) {
    std::array<std::string_view, 8> f;
    if (!takeFields(line, f)) return false;
    bool ok = true;
    const int32_t index = decimal(f[0], ok);
    const int32_t tpIndex = decimal(f[1], ok);
    const int32_t slot = decimal(f[2], ok);
    const std::optional<uint32_t> serviceId = hexField(f[3]);
    const int32_t activeAudio = decimal(f[6], ok);
    if (!ok || !serviceId) return fail(msg::kCheckLine);
    const std::string_view name = f[5];
    bool use = false;
    if (!checkSatellite(slot, use)) return false;
    if (!use) return true;

    const int type = countChannelType(f[4]);
    if (type < 0) return fail(msg::kSvcType);
    const char blank = firstChar(f[7]);
    if (blank != 'Y' && blank != 'N') return fail(msg::kBlank);
    ++serviceCount_;
    if (!enterIndex(serviceMap_, index, serviceCount_, msg::kSvcIndexRange, msg::kSameSvcIndex)) {
        return false;
    }
    // A null channel keeps its D_TP Index as written and names no transponder.
    uint32_t transponder = static_cast<uint32_t>(tpIndex);
    if (blank == 'N') {
        uint16_t position = 0;
        if (!tpPosition(tpIndex, position)) return false;
        if (position == 0) return fail(msg::kTpIndex);
        transponder = position;
    }
    if (name.size() > kMaxNameLength) return fail(msg::kNameExceeds, kMaxNameLength);

    const uint16_t program = programNumber(type);
    std::array<uint8_t, 26> record{};
    put16(record, 0, *serviceId);
    put16(record, 2, transponderWord(transponder, program));
    record[4] = normalFlags(blank == 'Y', type);
    // A null channel carries its satellite slot where the audio track would be.
    record[5] = static_cast<uint8_t>(blank == 'Y' ? slot : activeAudio);
    putName(record, 6, name, kMaxNameLength);
    record[19] = static_cast<uint8_t>(program);
    put16(record, 20, 0xFFFF);
    put16(record, 22, 0xFFFF);
    put16(record, 24, 0xFFFF);
    writeRecord(record, RecordType::Channel);
    return true;
}

bool ListCompiler::pidRowBasic(std::string_view line) {
    std::array<std::string_view, 10> f;
    if (!takeFields(line, f)) return false;
    bool ok = true;
    const int32_t index = decimal(f[0], ok);
    const int32_t tpIndex = decimal(f[1], ok);
    const int32_t slot = decimal(f[2], ok);
    const int32_t videoPid = decimal(f[5], ok);
    const int32_t audioPid = decimal(f[6], ok);
    const int32_t pcrPid = decimal(f[7], ok);
    const int32_t activeAudio = decimal(f[8], ok);
    if (!ok) return fail(msg::kCheckLine);
    const std::string_view name = f[4];
    bool use = false;
    if (!checkSatellite(slot, use)) return false;
    if (!use) return true;

    ++serviceCount_;
    if (!enterIndex(pidServiceMap_, index, serviceCount_, msg::kSvcIndexRange,
                    msg::kSameSvcIndex)) {
        return false;
    }
    const char blank = firstChar(f[9]);
    if (blank != 'Y' && blank != 'N') return fail(msg::kChannelBlank);
    if (blank == 'N') {
        uint16_t position = 0;
        if (!tpPosition(tpIndex, position)) return false;
        if (position == 0) return fail(msg::kTpIndex);
    }
    const int type = keywordIndex(f[3], {"TV", "RADIO"});
    if (type < 0) return fail(msg::kSvcType);
    if (name.size() > kMaxNameLength) return fail(msg::kPidNameExceedsBasic, kMaxNameLength);

    std::array<uint8_t, 28> record{};
    put16(record, 0, static_cast<uint32_t>(index));
    put16(record, 2, static_cast<uint32_t>(tpIndex));
    record[4] = static_cast<uint8_t>(slot);
    record[5] = static_cast<uint8_t>(type + 1);
    put16(record, 6, static_cast<uint32_t>(videoPid));
    put16(record, 8, static_cast<uint32_t>(audioPid));
    put16(record, 10, static_cast<uint32_t>(pcrPid));
    record[12] = static_cast<uint8_t>(name.size());
    putName(record, 13, name, kMaxNameLength);
    record[27] = audioByte(activeAudio, blank == 'Y');
    writeRecord(record, RecordType::PidChannel);
    return true;
}

bool ListCompiler::pidRowNormal(std::string_view line) {
    std::array<std::string_view, 10> f;
    if (!takeFields(line, f)) return false;
    bool ok = true;
    const int32_t index = decimal(f[0], ok);
    const int32_t tpIndex = decimal(f[1], ok);
    const int32_t slot = decimal(f[2], ok);
    const int32_t videoPid = decimal(f[5], ok);
    const int32_t audioPid = decimal(f[6], ok);
    const int32_t pcrPid = decimal(f[7], ok);
    const int32_t activeAudio = decimal(f[8], ok);
    if (!ok) return fail(msg::kCheckLine);
    const std::string_view name = f[4];
    bool use = false;
    if (!checkSatellite(slot, use)) return false;
    if (!use) return true;

    const int type = countChannelType(f[3]);
    if (type < 0) return fail(msg::kSvcType);
    const char blank = firstChar(f[9]);
    if (blank != 'Y' && blank != 'N') return fail(msg::kPidBlankNormal);
    uint32_t transponder = static_cast<uint32_t>(tpIndex);
    if (blank == 'N') {
        uint16_t position = 0;
        if (!tpPosition(tpIndex, position)) return false;
        if (position == 0) return fail(msg::kPidTpIndexNormal);
        transponder = position;
    }
    ++serviceCount_;
    if (!enterIndex(pidServiceMap_, index, serviceCount_, msg::kSvcIndexRange,
                    msg::kSameSvcIndex)) {
        return false;
    }
    if (name.size() > kMaxNameLength) return fail(msg::kNameExceeds, kMaxNameLength);

    const uint16_t program = programNumber(type);
    std::array<uint8_t, 26> record{};
    // PID channels name no service: their service-ID word stays 0.
    put16(record, 2, transponderWord(transponder, program));
    record[4] = normalFlags(blank == 'Y', type);
    record[5] = static_cast<uint8_t>(activeAudio);
    putName(record, 6, name, kMaxNameLength);
    record[19] = static_cast<uint8_t>(program);
    put16(record, 20, static_cast<uint32_t>(videoPid));
    put16(record, 22, static_cast<uint32_t>(audioPid));
    put16(record, 24, static_cast<uint32_t>(pcrPid));
    writeRecord(record, RecordType::PidChannel);
    return true;
}

}  // namespace sky
