// Rows of the digital channel and digital PID channel sections. Basic keeps one table per
// section with the file's own indexes; Normal merges both into one numbered channel table.

#include "compiler/CompileMessages.h"
#include "compiler/ListCompiler.h"
#include "compiler/RecordFields.h"
#include "db/RowFields.h"

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

bool ListCompiler::readChannelRow(std::string_view line, bool pid, ChannelRow& row, bool& use) {
    std::array<std::string_view, kPidChannelFields> f;
    if (!takeFields(line, std::span(f).first(pid ? std::size_t{kPidChannelFields}
                                                 : std::size_t{kChannelFields})))
        return false;
    bool ok = true;
    row.index = decimal(f[kChIndex], ok);
    row.tpIndex = decimal(f[kChTpIndex], ok);
    row.slot = decimal(f[kChSatIndex], ok);
    if (pid) {
        row.type = f[kPidType];
        row.name = f[kPidName];
        row.videoPid = decimal(f[kPidVideo], ok);
        row.audioPid = decimal(f[kPidAudio], ok);
        row.pcrPid = decimal(f[kPidPcr], ok);
        row.activeAudio = decimal(f[kPidActiveAudio], ok);
        row.blank = firstChar(f[kPidBlank]);
    } else {
        const std::optional<uint32_t> serviceId = hexField(f[kChServiceId]);
        ok = ok && serviceId.has_value();
        row.serviceId = serviceId.value_or(0);
        row.type = f[kChType];
        row.name = f[kChName];
        row.activeAudio = decimal(f[kChActiveAudio], ok);
        row.blank = firstChar(f[kChBlank]);
    }
    if (!ok) return fail(msg::kCheckLine);
    return checkSatellite(row.slot, use);
}

bool ListCompiler::usedTransponder(int32_t index, const char* missingText, uint16_t& position) {
    if (!tpPosition(index, position)) return false;
    return position != 0 || fail(missingText);
}

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
    ChannelRow row;
    bool use = false;
    if (!readChannelRow(line, false, row, use)) return false;
    if (!use) return true;

    ++serviceCount_;
    if (!enterIndex(serviceMap_, row.index, serviceCount_, msg::kSvcIndexRange,
                    msg::kSameSvcIndex)) {
        return false;
    }
    if (row.blank != 'Y' && row.blank != 'N') return fail(msg::kBlank);
    uint16_t position = 0;
    if (row.blank == 'N' && !usedTransponder(row.tpIndex, msg::kTpIndex, position)) return false;
    const int type = keywordIndex(row.type, {"TV", "RADIO"});
    if (type < 0) return fail(msg::kSvcTypeBasic);
    if (row.name.size() > kMaxNameLength) return fail(msg::kNameExceeds, kMaxNameLength);

    std::array<uint8_t, 24> record{};
    put16(record, 0, row.serviceId);
    put16(record, 2, static_cast<uint32_t>(row.index));
    put16(record, 4, static_cast<uint32_t>(row.tpIndex));
    record[6] = static_cast<uint8_t>(row.slot);
    record[7] = static_cast<uint8_t>(type + 1);
    record[8] = static_cast<uint8_t>(row.name.size());
    putName(record, 9, row.name, kMaxNameLength);
    record[23] = audioByte(row.activeAudio, row.blank == 'Y');
    writeRecord(record, RecordType::Channel);
    return true;
}

bool ListCompiler::channelRowNormal(std::string_view line) {
    ChannelRow row;
    bool use = false;
    if (!readChannelRow(line, false, row, use)) return false;
    if (!use) return true;

    const int type = countChannelType(row.type);
    if (type < 0) return fail(msg::kSvcType);
    if (row.blank != 'Y' && row.blank != 'N') return fail(msg::kBlank);
    ++serviceCount_;
    if (!enterIndex(serviceMap_, row.index, serviceCount_, msg::kSvcIndexRange,
                    msg::kSameSvcIndex)) {
        return false;
    }
    // A null channel keeps its D_TP Index as written and names no transponder.
    uint32_t transponder = static_cast<uint32_t>(row.tpIndex);
    if (row.blank == 'N') {
        uint16_t position = 0;
        if (!usedTransponder(row.tpIndex, msg::kTpIndex, position)) return false;
        transponder = position;
    }
    if (row.name.size() > kMaxNameLength) return fail(msg::kNameExceeds, kMaxNameLength);

    const uint16_t program = programNumber(type);
    std::array<uint8_t, 26> record{};
    put16(record, 0, row.serviceId);
    put16(record, 2, transponderWord(transponder, program));
    record[4] = normalFlags(row.blank == 'Y', type);
    // A null channel carries its satellite slot where the audio track would be.
    record[5] = static_cast<uint8_t>(row.blank == 'Y' ? row.slot : row.activeAudio);
    putName(record, 6, row.name, kMaxNameLength);
    record[19] = static_cast<uint8_t>(program);
    put16(record, 20, 0xFFFF);
    put16(record, 22, 0xFFFF);
    put16(record, 24, 0xFFFF);
    writeRecord(record, RecordType::Channel);
    return true;
}

bool ListCompiler::pidRowBasic(std::string_view line) {
    ChannelRow row;
    bool use = false;
    if (!readChannelRow(line, true, row, use)) return false;
    if (!use) return true;

    ++serviceCount_;
    if (!enterIndex(pidServiceMap_, row.index, serviceCount_, msg::kSvcIndexRange,
                    msg::kSameSvcIndex)) {
        return false;
    }
    if (row.blank != 'Y' && row.blank != 'N') return fail(msg::kChannelBlank);
    uint16_t position = 0;
    if (row.blank == 'N' && !usedTransponder(row.tpIndex, msg::kTpIndex, position)) return false;
    const int type = keywordIndex(row.type, {"TV", "RADIO"});
    if (type < 0) return fail(msg::kSvcType);
    if (row.name.size() > kMaxNameLength) return fail(msg::kPidNameExceedsBasic, kMaxNameLength);

    std::array<uint8_t, 28> record{};
    put16(record, 0, static_cast<uint32_t>(row.index));
    put16(record, 2, static_cast<uint32_t>(row.tpIndex));
    record[4] = static_cast<uint8_t>(row.slot);
    record[5] = static_cast<uint8_t>(type + 1);
    put16(record, 6, static_cast<uint32_t>(row.videoPid));
    put16(record, 8, static_cast<uint32_t>(row.audioPid));
    put16(record, 10, static_cast<uint32_t>(row.pcrPid));
    record[12] = static_cast<uint8_t>(row.name.size());
    putName(record, 13, row.name, kMaxNameLength);
    record[27] = audioByte(row.activeAudio, row.blank == 'Y');
    writeRecord(record, RecordType::PidChannel);
    return true;
}

bool ListCompiler::pidRowNormal(std::string_view line) {
    ChannelRow row;
    bool use = false;
    if (!readChannelRow(line, true, row, use)) return false;
    if (!use) return true;

    const int type = countChannelType(row.type);
    if (type < 0) return fail(msg::kSvcType);
    if (row.blank != 'Y' && row.blank != 'N') return fail(msg::kPidBlankNormal);
    uint32_t transponder = static_cast<uint32_t>(row.tpIndex);
    if (row.blank == 'N') {
        uint16_t position = 0;
        if (!usedTransponder(row.tpIndex, msg::kPidTpIndexNormal, position)) return false;
        transponder = position;
    }
    ++serviceCount_;
    if (!enterIndex(pidServiceMap_, row.index, serviceCount_, msg::kSvcIndexRange,
                    msg::kSameSvcIndex)) {
        return false;
    }
    if (row.name.size() > kMaxNameLength) return fail(msg::kNameExceeds, kMaxNameLength);

    const uint16_t program = programNumber(type);
    std::array<uint8_t, 26> record{};
    // PID channels name no service: their service-ID word stays 0.
    put16(record, 2, transponderWord(transponder, program));
    record[4] = normalFlags(row.blank == 'Y', type);
    record[5] = static_cast<uint8_t>(row.activeAudio);
    putName(record, 6, row.name, kMaxNameLength);
    record[19] = static_cast<uint8_t>(program);
    put16(record, 20, static_cast<uint32_t>(row.videoPid));
    put16(record, 22, static_cast<uint32_t>(row.audioPid));
    put16(record, 24, static_cast<uint32_t>(row.pcrPid));
    writeRecord(record, RecordType::PidChannel);
    return true;
}

}  // namespace sky
