#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "db/TokenArray.h"
#include "editor/model/ChannelRecords.h"
#include "editor/model/NameEncoding.h"
#include "editor/model/RowValues.h"
#include "editor/model/SectionMap.h"

namespace sky {

// One row of a list as the matching of two lists (RowMatching.h) reads it: what names the channel
// or transponder the receiver tunes to, and its name.
struct MatchRow {
    // A channel's kind; a row of a number;name reference takes the kind of the view it orders.
    RecordKind kind = RecordKind::Digital;
    // The row has an identity: the cells it is read from are numbers the compiler reads. A null
    // channel and a row of a plain number;name reference have none.
    bool hasIdentity = false;
    // The frequency in MHz: rows match when theirs lie within kFrequencyTolerance of each other.
    std::int32_t frequency = 0;
    // What must be equal besides the frequency: the kind of row, the polarization, and the SVC
    // ID, the PIDs, or a transponder's satellite and symbol rate.
    std::array<std::int64_t, 5> identity{};
    // A hash of the name of the row's satellite (0 when it has none): among several rows of one
    // identity, a row on a satellite of the same name is taken first.
    std::uint64_t satellite = 0;
    // The name as compared: in UTF-8 (a name that is not is read as Latin-1), spaces as shown,
    // regardless of case. Empty: the row matches by identity only.
    std::string name;
    // A hash of the row's other cells as text, all but its Index and name: among several rows of
    // one identity, those of the same name and cells are paired first. 0 for a row of a
    // number;name reference.
    std::uint64_t cells = 0;
    // A null channel (the null-channel rule of RowValues.h): it matches nothing.
    bool isNull = false;
};

// A key of a row's name (regardless of case) and its other cells together.
std::uint64_t nameAndCellsKey(const MatchRow& row);

inline constexpr std::int32_t kFrequencyTolerance = 2;

// Reads the rows of one list: its sections, its transponders by Index and its satellites' names
// are looked up once for every section read.
class MatchRowReader {
public:
    explicit MatchRowReader(const TokenArray& tokens);

    const SectionMap& sections() const { return sections_; }
    const TransponderIndex& transponderIndex() const { return transponders_; }

    // The rows of one channel section.
    std::vector<MatchRow> section(RecordKind kind) const;
    // The channel rows of a view (see channelMatchRows()).
    std::vector<MatchRow> view(bool digitalView) const;
    // The transponders (see transponderMatchRows()).
    std::vector<MatchRow> transponders() const;

private:
    // The satellites' names by the value of their Index, as hashes MatchRow::satellite holds.
    class SatelliteNames {
    public:
        SatelliteNames(const TokenArray& tokens, const SectionMap& sections);
        std::uint64_t of(std::string_view indexCell) const;

    private:
        std::vector<std::pair<std::int32_t, std::uint64_t>> byIndex_;
    };

    void append(RecordKind kind, std::vector<MatchRow>& rows) const;
    MatchRow read(RecordKind kind, const std::string* record) const;
    void readIdentity(RecordKind kind, const std::string* record, MatchRow& row) const;

    const TokenArray& tokens_;
    SectionMap sections_;
    TransponderIndex transponders_;
    SatelliteNames satellites_;
};

// The channel rows of a view in the order it shows them: the Digital Channel view's digital
// channels, then its PID channels; or the Analog Channel view's channels. A digital or PID
// channel takes its frequency and polarization from the transponder its TP Index names.
std::vector<MatchRow> channelMatchRows(const TokenArray& tokens, bool digitalView);
// The rows of one channel section only.
std::vector<MatchRow> sectionMatchRows(const TokenArray& tokens, RecordKind kind);
// The transponders: satellite (by its name), frequency, symbol rate and polarization; no name.
std::vector<MatchRow> transponderMatchRows(const TokenArray& tokens);

}  // namespace sky
