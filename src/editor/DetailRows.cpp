#include "editor/DetailRows.h"

#include <string_view>
#include <unordered_map>

#include "editor/ChannelRecords.h"
#include "editor/FieldText.h"

namespace sky {

namespace {

constexpr int kSatelliteWidth = 7;
constexpr int kTpWidth = 6;

// Records of a section by the text of their Index cell; the first record of an Index wins.
class IndexJoin {
public:
    IndexJoin(const TokenArray& tokens, const SectionSpan& span, int width) : tokens_(tokens) {
        firstByIndex_.reserve(span.records(width));
        for (std::size_t cell = span.begin; cell + width <= span.end; cell += width) {
            firstByIndex_.emplace(std::string_view(tokens[cell]), cell);
        }
    }

    // The first cell of the record with this Index, or nothing.
    const std::string* find(const std::string& index) const {
        const auto it = firstByIndex_.find(std::string_view(index));
        return it == firstByIndex_.end() ? nullptr : &tokens_[it->second];
    }

private:
    const TokenArray& tokens_;
    std::unordered_map<std::string_view, std::size_t> firstByIndex_;
};

void putTp(DetailRows& rows, const std::string* tp) {
    for (int c = 2; c <= 5; ++c) rows.put(tp ? std::string_view(tp[c]) : std::string_view());
}

// The satellite's name, LNB high, LNB low, position and stored degree.
void putSatellite(DetailRows& rows, const std::string* sat) {
    if (!sat) {
        for (int c = 0; c < 5; ++c) rows.put({});
        return;
    }
    rows.put(sat[1]);
    for (int c = 3; c <= 6; ++c) rows.put(sat[c]);
}

}  // namespace

void DetailRows::put(std::string_view text) {
    if (used_ < cells_.size()) {
        cells_[used_].assign(text);
    } else {
        cells_.emplace_back(text);
    }
    ++used_;
}

void rebuildDetailRows(const TokenArray& tokens, const SectionMap& sections, DetailRows& digital,
                       DetailRows& analog) {
    const IndexJoin satellites(tokens, sections[kSatelliteSection], kSatelliteWidth);
    const IndexJoin transponders(tokens, sections[kDigitalTpSection], kTpWidth);

    digital.start();
    const SectionSpan& channels = sections[kChannelSection];
    for (std::size_t cell = channels.begin; cell + kDigitalRecordWidth <= channels.end;
         cell += kDigitalRecordWidth) {
        const std::string* ch = &tokens[cell];
        for (int c = 0; c < 6; ++c) digital.put(ch[c]);
        for (int c = 0; c < 3; ++c) digital.put({});
        digital.put(ch[6]);
        digital.put(ch[7]);
        if (decimalValue(ch[1]) != 0) {
            putTp(digital, transponders.find(ch[1]));
        } else {
            for (const char* text : {"0000", "0000", "V", "___"}) digital.put(text);
        }
        putSatellite(digital, satellites.find(ch[2]));
    }
    const SectionSpan& pids = sections[kChannelPidSection];
    for (std::size_t cell = pids.begin; cell + kPidRecordWidth <= pids.end;
         cell += kPidRecordWidth) {
        const std::string* ch = &tokens[cell];
        for (int c = 0; c < 3; ++c) digital.put(ch[c]);
        digital.put({});
        for (int c = 3; c < kPidRecordWidth; ++c) digital.put(ch[c]);
        putTp(digital, transponders.find(ch[1]));
        putSatellite(digital, satellites.find(ch[2]));
    }
    digital.finish();

    analog.start();
    const SectionSpan& analogs = sections[kAnalogTpSection];
    for (std::size_t cell = analogs.begin; cell + kAnalogRecordWidth <= analogs.end;
         cell += kAnalogRecordWidth) {
        const std::string* ch = &tokens[cell];
        for (int c = 0; c < kAnalogRecordWidth; ++c) analog.put(ch[c]);
        putSatellite(analog, satellites.find(ch[1]));
    }
    analog.finish();
}

}  // namespace sky
