#include "editor/model/DetailRows.h"

#include <cstdint>

#include "editor/model/ChannelRecords.h"
#include "editor/model/FieldText.h"

namespace sky {

namespace {

constexpr int kSatelliteWidth = kSatelliteFields;
constexpr int kTpWidth = kTransponderFields;

constexpr std::size_t kEmptySlot = static_cast<std::size_t>(-1);

// FNV-1a: Index cells are short.
std::size_t indexHash(const std::string& text) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    return static_cast<std::size_t>(h ^ (h >> 29));
}

const std::string kEmptyCell;
// The transponder cells of a channel whose TP Index is 0.
const std::string kNoTransponder[] = {"0000", "0000", "V", "___"};

// The channel's transponder cells (ChannelTransponders::of()).
void putTp(DetailRows& rows, const std::string* cells) {
    for (std::size_t c = 0; c <= ChannelTransponders::kBouquet; ++c) {
        rows.put(cells ? cells[c] : kEmptyCell);
    }
}

// The satellite's name, LNB high, LNB low, position and stored degree.
void putSatellite(DetailRows& rows, const std::string* sat) {
    if (!sat) {
        for (int c = 0; c < 5; ++c) rows.put(kEmptyCell);
        return;
    }
    rows.put(sat[kSatName]);
    for (std::size_t c = kSatLnbHigh; c <= kSatPositioner; ++c) rows.put(sat[c]);
}

}  // namespace

RecordsByIndex::RecordsByIndex(const TokenArray& tokens, const SectionSpan& span, int width)
    : tokens_(tokens) {
    std::size_t size = 16;
    while (size < span.records(width) * 2) size *= 2;
    slots_.assign(size, kEmptySlot);
    mask_ = size - 1;
    for (std::size_t cell = span.begin; cell + width <= span.end; cell += width) {
        std::size_t slot = indexHash(tokens[cell]) & mask_;
        while (slots_[slot] != kEmptySlot && tokens[slots_[slot]] != tokens[cell]) {
            slot = (slot + 1) & mask_;
        }
        if (slots_[slot] == kEmptySlot) slots_[slot] = cell;
    }
}

const std::string* RecordsByIndex::find(const std::string& index) const {
    for (std::size_t slot = indexHash(index) & mask_; slots_[slot] != kEmptySlot;
         slot = (slot + 1) & mask_) {
        if (tokens_[slots_[slot]] == index) return &tokens_[slots_[slot]];
    }
    return nullptr;
}

ChannelTransponders::ChannelTransponders(const TokenArray& tokens, const SectionMap& sections)
    : transponders_(tokens, sections[kDigitalTpSection], kTpWidth) {}

const std::string* ChannelTransponders::of(RecordKind kind, const std::string* channel) const {
    const std::string& tpIndex =
        channel[kind == RecordKind::Pid ? std::size_t{kPidTpIndex} : std::size_t{kChTpIndex}];
    if (kind == RecordKind::Digital && decimalValue(tpIndex) == 0) return kNoTransponder;
    const std::string* tp = transponders_.find(tpIndex);
    return tp ? tp + kTpFrequency : nullptr;
}

void rebuildDetailRows(const TokenArray& tokens, const SectionMap& sections, DetailRows& digital,
                       DetailRows& analog) {
    const RecordsByIndex satellites(tokens, sections[kSatelliteSection], kSatelliteWidth);
    const ChannelTransponders transponders(tokens, sections);

    const SectionSpan& channels = sections[kChannelSection];
    const SectionSpan& pids = sections[kChannelPidSection];
    digital.start(channels.records(kDigitalRecordWidth) + pids.records(kPidRecordWidth));
    for (std::size_t cell = channels.begin; cell + kDigitalRecordWidth <= channels.end;
         cell += kDigitalRecordWidth) {
        const std::string* ch = &tokens[cell];
        // A digital channel has no PIDs: their three columns stay empty.
        for (std::size_t c = kChIndex; c <= kChName; ++c) digital.put(ch[c]);
        for (int c = 0; c < 3; ++c) digital.put(kEmptyCell);
        digital.put(ch[kChActiveAudio]);
        digital.put(ch[kChBlank]);
        putTp(digital, transponders.of(RecordKind::Digital, ch));
        putSatellite(digital, satellites.find(ch[kChSatIndex]));
    }
    for (std::size_t cell = pids.begin; cell + kPidRecordWidth <= pids.end;
         cell += kPidRecordWidth) {
        const std::string* ch = &tokens[cell];
        // A PID channel has no service ID: its column stays empty.
        for (std::size_t c = kPidIndex; c <= kPidSatIndex; ++c) digital.put(ch[c]);
        digital.put(kEmptyCell);
        for (std::size_t c = kPidType; c < kPidChannelFields; ++c) digital.put(ch[c]);
        putTp(digital, transponders.of(RecordKind::Pid, ch));
        putSatellite(digital, satellites.find(ch[kPidSatIndex]));
    }
    digital.finish();

    const SectionSpan& analogs = sections[kAnalogTpSection];
    analog.start(analogs.records(kAnalogRecordWidth));
    for (std::size_t cell = analogs.begin; cell + kAnalogRecordWidth <= analogs.end;
         cell += kAnalogRecordWidth) {
        const std::string* ch = &tokens[cell];
        for (int c = 0; c < kAnalogRecordWidth; ++c) analog.put(ch[c]);
        putSatellite(analog, satellites.find(ch[kAnSatIndex]));
    }
    analog.finish();
}

}  // namespace sky
