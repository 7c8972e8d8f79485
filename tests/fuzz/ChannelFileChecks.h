#pragma once

// What every reader of another program's channel list promises on any text: each record and
// each row not read names a line of the text, in order of the text; a satellite record has a
// frequency in MHz and a symbol rate in kS/s; service ids and PIDs fit their fields.

#include <algorithm>
#include <string>
#include <string_view>

#include "db/channels/ChannelRecord.h"
#include "fuzz/FuzzInput.h"

namespace sky::fuzz {

inline void checkChannelFile(std::string_view text, const ChannelFile& file) {
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (!file.error.empty() && (!file.records.empty() || !file.unread.empty())) {
        fail("records with an error", {file.error});
    }
    int previous = 0;
    for (const ChannelRecord& record : file.records) {
        if (record.line < 1 || record.line > lines) fail("a record's line is not in the text");
        if (record.line <= previous) fail("records out of the text's order");
        previous = record.line;
        if (record.serviceId < 0 || record.serviceId > 0xFFFF || record.videoPid < 0 ||
            record.videoPid > 0xFFFF) {
            fail("a service id or PID out of its field", {record.name});
        }
        if (record.source != SourceKind::Satellite) continue;
        if (record.frequencyMhz <= 0 || record.frequencyMhz >= 100000 || record.symbolRateKs <= 0 ||
            record.symbolRateKs >= 100000) {
            fail("a satellite record without its tuning", {record.name});
        }
        if (record.positionTenths &&
            (*record.positionTenths < -1800 || *record.positionTenths > 1800)) {
            fail("a position out of the orbit", {record.name});
        }
    }
    for (const UnreadRow& row : file.unread) {
        if (row.line < 1 || row.line > lines || row.reason.empty()) {
            fail("a row not read without its line or reason", {row.reason});
        }
    }
}

}  // namespace sky::fuzz
