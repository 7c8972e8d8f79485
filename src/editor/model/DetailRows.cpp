#include "editor/model/DetailRows.h"

#include <cstdint>

#include "editor/model/ChannelRecords.h"
#include "editor/model/FieldText.h"

namespace sky {

namespace {

constexpr int kSatelliteWidth = kSatelliteFields;
constexpr int kTpWidth = kTransponderFields;

// Records of a section by the text of their Index cell; the first record of an Index wins. An
// open-addressing table of cell numbers, built once per rebuild: a join is one or two probes.
class IndexJoin {
public:
    IndexJoin(const TokenArray& tokens, const SectionSpan& span, int width) : tokens_(tokens) {
        std::size_t size = 16;
        while (size < span.records(width) * 2) size *= 2;
        slots_.assign(size, kEmpty);
        mask_ = size - 1;
        for (std::size_t cell = span.begin; cell + width <= span.end; cell += width) {
            std::size_t slot = hash(tokens[cell]) & mask_;
            while (slots_[slot] != kEmpty && tokens[slots_[slot]] != tokens[cell]) {
                slot = (slot + 1) & mask_;
            }
            if (slots_[slot] == kEmpty) slots_[slot] = cell;
        }
    }

    // The first cell of the record with this Index, or nothing.
    const std::string* find(const std::string& index) const {
        for (std::size_t slot = hash(index) & mask_; slots_[slot] != kEmpty;
             slot = (slot + 1) & mask_) {
            if (tokens_[slots_[slot]] == index) return &tokens_[slots_[slot]];
        }
        return nullptr;
    }

private:
    static constexpr std::size_t kEmpty = static_cast<std::size_t>(-1);

    // FNV-1a: Index cells are short.
    static std::size_t hash(const std::string& text) {
        std::uint64_t h = 14695981039346656037ull;
        for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }

    const TokenArray& tokens_;
    std::vector<std::size_t> slots_;
    std::size_t mask_ = 0;
};

const std::string kEmptyCell;
// The transponder cells of a channel whose TP Index is 0.
const std::string kNoTransponder[] = {"0000", "0000", "V", "___"};

// The transponder's frequency, symbol rate, polarisation and comment (the bouquet).
void putTp(DetailRows& rows, const std::string* tp) {
    for (std::size_t c = kTpFrequency; c <= kTpComment; ++c) rows.put(tp ? tp[c] : kEmptyCell);
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

void rebuildDetailRows(const TokenArray& tokens, const SectionMap& sections, DetailRows& digital,
                       DetailRows& analog) {
    const IndexJoin satellites(tokens, sections[kSatelliteSection], kSatelliteWidth);
    const IndexJoin transponders(tokens, sections[kDigitalTpSection], kTpWidth);

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
        if (decimalValue(ch[kChTpIndex]) != 0) {
            putTp(digital, transponders.find(ch[kChTpIndex]));
        } else {
            for (const std::string& text : kNoTransponder) digital.put(text);
        }
        putSatellite(digital, satellites.find(ch[kChSatIndex]));
    }
    for (std::size_t cell = pids.begin; cell + kPidRecordWidth <= pids.end;
         cell += kPidRecordWidth) {
        const std::string* ch = &tokens[cell];
        // A PID channel has no service ID: its column stays empty.
        for (std::size_t c = kPidIndex; c <= kPidSatIndex; ++c) digital.put(ch[c]);
        digital.put(kEmptyCell);
        for (std::size_t c = kPidType; c < kPidChannelFields; ++c) digital.put(ch[c]);
        putTp(digital, transponders.find(ch[kPidTpIndex]));
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
