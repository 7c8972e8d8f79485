#include "editor/compare/ComparedList.h"

#include <cstddef>
#include <optional>

#include "db/RecordLayout.h"
#include "db/RowFields.h"
#include "editor/model/FieldText.h"
#include "editor/model/NameEncoding.h"

namespace sky {

namespace {

// The first value of a satellite's identity, apart from those of channels and transponders
// (MatchRows.cpp), though the rows of two sections are never matched with each other.
constexpr std::int64_t kSatelliteIdentity = 5;

}  // namespace

void ComparedList::readAhead() {
    for (const CompareSection section : kCompareSections) {
        rows_[static_cast<std::size_t>(section)] = readRows(section);
    }
    readAhead_ = true;
}

const std::vector<MatchRow>& ComparedList::rows(CompareSection section,
                                                std::vector<MatchRow>& scratch) const {
    if (readAhead_) return rows_[static_cast<std::size_t>(section)];
    scratch = readRows(section);
    return scratch;
}

std::vector<MatchRow> ComparedList::readRows(CompareSection section) const {
    switch (section) {
        case CompareSection::Digital:
            return reader_.section(RecordKind::Digital);
        case CompareSection::Pid:
            return reader_.section(RecordKind::Pid);
        case CompareSection::Analog:
            return reader_.section(RecordKind::Analog);
        case CompareSection::Transponder:
            return reader_.transponders();
        case CompareSection::Satellite:
            break;
    }
    // Channels and transponders name a satellite by its Index: that is its identity.
    const SectionSpan& span = reader_.sections()[kSatelliteSection];
    std::vector<MatchRow> rows;
    for (std::size_t cell = span.begin; cell + kSatelliteFields <= span.end;
         cell += kSatelliteFields) {
        const std::string* satellite = &tokens_[cell];
        MatchRow& row = rows.emplace_back();
        if (const std::optional<std::int32_t> index = decimalField(satellite[kSatIndex])) {
            row.hasIdentity = true;
            row.identity = {kSatelliteIdentity, *index};
        }
        row.name = utf8Name(trimmed(satellite[kSatName]));
    }
    return rows;
}

}  // namespace sky
