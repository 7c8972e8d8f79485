#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "db/TokenArray.h"
#include "editor/model/ChannelRecords.h"
#include "editor/model/NameEncoding.h"

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

// The channel rows of a view in the order it shows them: the Digital Channel view's digital
// channels, then its PID channels; or the Analog Channel view's channels. A digital or PID
// channel takes its frequency and polarization from the transponder its TP Index names.
std::vector<MatchRow> channelMatchRows(const TokenArray& tokens, bool digitalView);
// The rows of one channel section only.
std::vector<MatchRow> sectionMatchRows(const TokenArray& tokens, RecordKind kind);
// The transponders: satellite (by its name), frequency, symbol rate and polarization; no name.
std::vector<MatchRow> transponderMatchRows(const TokenArray& tokens);

}  // namespace sky
